#include "polling_cycle.h"

#include "controller_link.h"
#include "poll_blocks.h"

namespace vt {

PollingCycle::PollingCycle(ControllerLink& link, ControllerState& state, QObject* parent)
    : QObject(parent), m_link(link), m_state(state) {
    m_timer.setInterval(kIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &PollingCycle::tick);
}

void PollingCycle::start() {
    m_failedSinceStart = 0;
    m_scalingFrom.reset();
    m_status.started();
    if (!m_timer.isActive()) m_timer.start();
}

void PollingCycle::stop() {
    m_timer.stop();
    m_status.stopped();
}

void PollingCycle::tick() {
    if (m_outstanding > 0) return;
    m_tickFailures = 0;
    m_tickStored = 0;
    m_tickDue = std::chrono::steady_clock::now() + std::chrono::milliseconds(m_timer.interval());
    // Until the scaling of the controller now polled is known, every tick reads it; the count
    // then runs from that read.
    if (m_configRefreshCount == 0 ||
        !scalingKnownFor(m_state.LinkSettings[PortNumber], m_state.LinkSettings[SlaveAddress])) {
        queue(ConfigBlock());
        m_configRefreshCount = 0;
    }
    if (++m_configRefreshCount >= kConfigRefreshPeriod) m_configRefreshCount = 0;
    for (const PollBlock& block : LiveBlocks()) queue(block);
    emit tickStarted();
}

void PollingCycle::queue(const PollBlock& block) {
    ++m_outstanding;
    LinkJob job = PollJob(m_state, block);
    job.tickDue = m_tickDue;
    m_link.submit(job, this, [this, &block](const LinkReply& reply) { blockDone(block, reply); });
}

bool PollingCycle::scalingKnownFor(std::int32_t port, std::int32_t slave) const {
    return m_scalingFrom == std::pair(port, slave);
}

void PollingCycle::blockDone(const PollBlock& block, const LinkReply& reply) {
    if (reply.ok()) {
        if (&block == &ConfigBlock()) m_scalingFrom = std::pair(reply.job.port, reply.job.slave);
        // Nothing is converted with a scaling that was not read from this controller.
        if (scalingKnownFor(reply.job.port, reply.job.slave)) {
            block.apply(m_state, reply.values);
            ++m_tickStored;
        }
    } else {
        ++m_tickFailures;
        ++m_failedSinceStart;
        m_tickReason = reply.failure;
    }
    if (--m_outstanding > 0) return;
    m_status.tickDone(m_tickStored, m_tickFailures, m_tickReason);
    emit tickFinished(m_tickFailures);
}

}  // namespace vt
