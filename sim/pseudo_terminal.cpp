#include "pseudo_terminal.h"

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <array>

namespace vt::sim {

namespace {

bool MakeRaw(int fd) {
    termios tios{};
    if (tcgetattr(fd, &tios) != 0) return false;
    cfmakeraw(&tios);
    return tcsetattr(fd, TCSANOW, &tios) == 0;
}

}  // namespace

PseudoTerminal::~PseudoTerminal() { close(); }

bool PseudoTerminal::open() {
    close();
    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    std::array<char, 128> name{};
    const bool ready = m_master >= 0 && grantpt(m_master) == 0 && unlockpt(m_master) == 0 &&
                       ptsname_r(m_master, name.data(), name.size()) == 0;
    if (ready) {
        m_slavePath = name.data();
        m_slave = ::open(m_slavePath.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    }
    // Raw on both sides: the slave must not echo answers back into the master.
    const bool ok = ready && m_slave >= 0 && MakeRaw(m_slave) && MakeRaw(m_master) &&
                    fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK) == 0;
    if (!ok) close();
    return ok;
}

void PseudoTerminal::close() {
    if (m_slave >= 0) ::close(m_slave);
    if (m_master >= 0) ::close(m_master);
    m_slave = -1;
    m_master = -1;
    m_slavePath.clear();
}

}  // namespace vt::sim
