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
    m_timer.start();
}

void PollingCycle::stop() { m_timer.stop(); }

void PollingCycle::tick() {
    if (m_outstanding > 0) return;
    m_tickFailures = 0;
    if (m_ConfigRefreshCount == 0) queue(ConfigBlock());
    if (++m_ConfigRefreshCount >= kConfigRefreshPeriod) m_ConfigRefreshCount = 0;
    for (const PollBlock& block : LiveBlocks()) queue(block);
    emit tickStarted();
}

void PollingCycle::queue(const PollBlock& block) {
    ++m_outstanding;
    m_link.submit(PollJob(m_state, block), this,
                  [this, &block](const LinkReply& reply) { blockDone(block, reply); });
}

void PollingCycle::blockDone(const PollBlock& block, const LinkReply& reply) {
    if (reply.ok()) {
        block.apply(m_state, reply.values);
    } else {
        ++m_tickFailures;
        ++m_failedSinceStart;
    }
    if (--m_outstanding == 0) emit tickFinished(m_tickFailures);
}

}  // namespace vt
