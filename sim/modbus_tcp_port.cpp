#include "modbus_tcp_port.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>

namespace vt::sim {

namespace {

constexpr std::size_t kHeaderSize = 7;   // transaction, protocol, length, unit identifier
constexpr std::size_t kMaxLength = 254;  // unit identifier and PDU
constexpr int kWriteWaitMs = 50;
constexpr int kBacklog = 4;

bool MakeNonBlocking(int fd) { return fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK) == 0; }

}  // namespace

ModbusTcpPort::~ModbusTcpPort() { close(); }

bool ModbusTcpPort::listen(int port) {
    close();
    m_listener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (m_listener < 0) return false;
    const int yes = 1;
    setsockopt(m_listener, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    socklen_t size = sizeof address;
    if (bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(m_listener, kBacklog) != 0 ||
        getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        close();
        return false;
    }
    m_port = ntohs(address.sin_port);
    return true;
}

void ModbusTcpPort::close() {
    while (!m_pending.empty()) drop(m_pending.begin()->first);
    if (m_listener >= 0) ::close(m_listener);
    m_listener = -1;
    m_port = 0;
}

void ModbusTcpPort::addPollFds(std::vector<pollfd>& fds) const {
    if (m_listener < 0) return;
    fds.push_back(pollfd{m_listener, POLLIN, 0});
    for (const auto& [connection, bytes] : m_pending) fds.push_back(pollfd{connection, POLLIN, 0});
}

std::vector<TcpRequest> ModbusTcpPort::service(const std::vector<pollfd>& fds) {
    std::vector<TcpRequest> requests;
    for (const pollfd& fd : fds) {
        if (fd.revents == 0) continue;
        if (fd.fd == m_listener) {
            accept();
        } else if (m_pending.contains(fd.fd) && !read(fd.fd, requests)) {
            drop(fd.fd);
        }
    }
    return requests;
}

void ModbusTcpPort::accept() {
    for (;;) {
        const int connection = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection < 0) return;
        if (!MakeNonBlocking(connection)) {
            ::close(connection);
            continue;
        }
        m_pending[connection];
    }
}

// Reads what the connection holds and cuts whole requests out of it; false when the peer has
// closed it or sent what no Modbus TCP client sends.
bool ModbusTcpPort::read(int connection, std::vector<TcpRequest>& requests) {
    Frame& bytes = m_pending[connection];
    std::array<std::uint8_t, 512> buffer{};
    for (;;) {
        const ssize_t n = recv(connection, buffer.data(), buffer.size(), 0);
        if (n > 0) {
            bytes.insert(bytes.end(), buffer.begin(), buffer.begin() + n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK)) return false;
        break;
    }
    while (bytes.size() >= kHeaderSize) {
        const auto length = static_cast<std::size_t>(Word(bytes, 4));
        if (Word(bytes, 2) != 0 || length < 2 || length > kMaxLength) return false;
        if (bytes.size() < 6 + length) break;
        TcpRequest request{connection, static_cast<std::uint16_t>(Word(bytes, 0)),
                           Frame(bytes.begin() + 6, bytes.begin() + 6 + length)};
        AppendCrc(request.rtu);
        requests.push_back(std::move(request));
        bytes.erase(bytes.begin(), bytes.begin() + 6 + static_cast<std::ptrdiff_t>(length));
    }
    return true;
}

void ModbusTcpPort::answer(const TcpRequest& request, const Frame& rtuAnswer) {
    if (!m_pending.contains(request.connection) || rtuAnswer.size() < 4) return;
    const std::size_t length = rtuAnswer.size() - 2;  // without the CRC
    Frame out;
    AppendWord(out, request.transaction);
    AppendWord(out, 0);
    AppendWord(out, static_cast<int>(length));
    out.insert(out.end(), rtuAnswer.begin(),
               rtuAnswer.begin() + static_cast<std::ptrdiff_t>(length));
    std::size_t done = 0;
    while (done < out.size()) {
        const ssize_t n =
            send(request.connection, out.data() + done, out.size() - done, MSG_NOSIGNAL);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && errno == EAGAIN) {
            pollfd writable{request.connection, POLLOUT, 0};
            if (poll(&writable, 1, kWriteWaitMs) > 0) continue;
            drop(request.connection);  // a client that does not read its answers
            return;
        } else {
            drop(request.connection);
            return;
        }
    }
}

void ModbusTcpPort::drop(int connection) {
    m_pending.erase(connection);
    ::close(connection);
}

}  // namespace vt::sim
