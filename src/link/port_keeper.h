#pragma once

#include <chrono>
#include <optional>

#include "link_job.h"
#include "port_directory.h"

namespace vt {

class ModbusMaster;

// Wait before the next attempt to reopen a port: 2 s after the first failure, then twice the
// previous wait, at most 10 s.
std::chrono::milliseconds ReopenDelayAfter(std::chrono::milliseconds previous);

// Keeps the port the operator opened usable without him. When it fails with an I/O error,
// vanishes or cannot be opened, it is closed and opened again on its own, first after 2 s and
// backing off to 10 s; a serial device that was gone is tried again as soon as a job finds it
// back. While the port is down every job for it fails at once with the reason. Time-outs alone
// (controller off, cable cut) never reopen it, and closing the port ends the attempts. Runs on
// the link thread, beside the master it drives.
class PortKeeper {
  public:
    using Clock = std::chrono::steady_clock;

    // `ports` must outlive the keeper.
    explicit PortKeeper(const PortDirectory& ports) : m_ports(ports) {}

    // Carries out one job on the master under the rules above.
    LinkReply run(ModbusMaster& master, const LinkJob& job);

    // When the next attempt to reopen the port is due; nothing while none is waiting.
    std::optional<Clock::time_point> reopenDue() const;

    // One attempt to reopen the port, if it is down.
    void reopen(ModbusMaster& master);

  private:
    struct Kept {
        LinkJob open;                          // the operator's open: port, baud, parity
        LinkFailure down = LinkFailure::None;  // why the port is down; None while it is open
        int attempts = 0;                      // failed attempts to reopen since it went down
        std::chrono::milliseconds wait{0};
        Clock::time_point due{};
        bool deviceMissing = false;  // the device was not there when last looked for
    };

    bool isDown(std::int32_t port) const;
    bool deviceBack();
    void goDown(LinkFailure reason);
    void attemptFailed(LinkFailure reason);
    QString portName() const;

    const PortDirectory& m_ports;
    std::optional<Kept> m_kept;
};

}  // namespace vt
