#include "port_keeper.h"

#include <algorithm>

#include "job_runner.h"
#include "link_logging.h"
#include "modbus_master.h"

namespace vt {

namespace {

constexpr std::chrono::milliseconds kFirstWait{2000};
constexpr std::chrono::milliseconds kLongestWait{10000};

LinkReply FailedAtOnce(const LinkJob& job, LinkFailure reason) {
    LinkReply reply;
    reply.job = job;
    reply.result = kNoAnswer;
    reply.failure = reason;
    return reply;
}

}  // namespace

std::chrono::milliseconds ReopenDelayAfter(std::chrono::milliseconds previous) {
    if (previous <= std::chrono::milliseconds::zero()) return kFirstWait;
    return std::min(previous * 2, kLongestWait);
}

LinkReply PortKeeper::run(ModbusMaster& master, const LinkJob& job) {
    if (job.op == LinkOp::Open) {
        m_kept.reset();
        const LinkReply reply = RunJob(master, job);
        if (reply.failure == LinkFailure::Refused) return reply;
        m_kept = Kept{job};
        if (!reply.ok()) {
            qCWarning(lcLink).noquote()
                << "cannot open" << portName() << "-" << FailureDescription(reply.failure)
                << "- trying again on its own";
            goDown(reply.failure);
        }
        return reply;
    }
    if (job.op == LinkOp::Close) {
        if (m_kept && m_kept->open.port == job.port) m_kept.reset();
        return RunJob(master, job);
    }
    if (isDown(job.port)) {
        if (deviceBack()) reopen(master);
        if (isDown(job.port)) return FailedAtOnce(job, m_kept->down);
    }
    const LinkReply reply = RunJob(master, job);
    if (m_kept && m_kept->open.port == job.port && IsPortFailure(reply.failure)) {
        qCWarning(lcLink).noquote() << portName() << "lost -" << FailureDescription(reply.failure)
                                    << "- reopening it on its own";
        goDown(reply.failure);
    }
    return reply;
}

std::optional<PortKeeper::Clock::time_point> PortKeeper::reopenDue() const {
    if (!m_kept || m_kept->down == LinkFailure::None) return std::nullopt;
    return m_kept->due;
}

void PortKeeper::reopen(ModbusMaster& master) {
    if (!m_kept || m_kept->down == LinkFailure::None) return;
    const LinkJob& open = m_kept->open;
    master.openPort(open.port, open.baud, open.parity);
    if (master.lastFailure() != LinkFailure::None) {
        attemptFailed(master.lastFailure());
        return;
    }
    qCInfo(lcLink).noquote() << portName() << "open again, attempt" << m_kept->attempts + 1;
    m_kept->down = LinkFailure::None;
}

// A device that had gone is tried again as soon as a job finds it back, not at the next
// attempt; a device that is there but will not open waits for the attempts.
bool PortKeeper::deviceBack() {
    if (m_kept->down != LinkFailure::NoDevice) return false;
    const bool present = m_ports.deviceExists(m_kept->open.port);
    const bool back = present && m_kept->deviceMissing;
    m_kept->deviceMissing = !present;
    return back;
}

bool PortKeeper::isDown(std::int32_t port) const {
    return m_kept && m_kept->open.port == port && m_kept->down != LinkFailure::None;
}

void PortKeeper::goDown(LinkFailure reason) {
    m_kept->down = reason;
    m_kept->attempts = 0;
    m_kept->wait = ReopenDelayAfter({});
    m_kept->due = Clock::now() + m_kept->wait;
    m_kept->deviceMissing = !m_ports.deviceExists(m_kept->open.port);
}

// The same reason again backs off; a new one (the device is back, but not yet usable) starts
// the waits over and is logged once.
void PortKeeper::attemptFailed(LinkFailure reason) {
    ++m_kept->attempts;
    if (reason == m_kept->down) {
        m_kept->wait = ReopenDelayAfter(m_kept->wait);
    } else {
        qCWarning(lcLink).noquote() << portName() << "still down -" << FailureDescription(reason);
        m_kept->down = reason;
        m_kept->wait = ReopenDelayAfter({});
    }
    m_kept->due = Clock::now() + m_kept->wait;
    m_kept->deviceMissing = !m_ports.deviceExists(m_kept->open.port);
}

QString PortKeeper::portName() const {
    const std::int32_t port = m_kept->open.port;
    return QStringLiteral("port %1 (%2)").arg(port).arg(m_ports.devicePath(port));
}

}  // namespace vt
