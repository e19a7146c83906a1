#include "link_status.h"

#include "link_logging.h"

namespace vt {

namespace {

constexpr int kSilentTicksForOutage = 2;

}  // namespace

void LinkStatus::started() {
    if (m_state == State::Down) return;  // opened again during an outage: it goes on
    m_state = State::Unknown;
    m_reason = LinkFailure::None;
    m_silentTicks = 0;
    m_failedSinceStored = 0;
}

void LinkStatus::stopped() {
    m_state = State::Closed;
    m_reason = LinkFailure::None;
}

void LinkStatus::tickDone(int stored, int failed, LinkFailure reason) {
    if (m_state == State::Closed) return;
    m_reason = failed > 0 ? reason : LinkFailure::None;
    if (stored > 0) {
        if (m_state == State::Down) {
            qCInfo(lcLink) << "controller link up again after" << m_failedSinceStored
                           << "failed blocks";
        }
        m_state = State::Up;
        m_silentTicks = 0;
        m_failedSinceStored = 0;
        return;
    }
    m_failedSinceStored += failed;
    if (++m_silentTicks >= kSilentTicksForOutage) goDown();
}

void LinkStatus::goDown() {
    if (m_state == State::Down && m_reason == m_loggedReason) return;
    qCWarning(lcLink).noquote() << (m_state == State::Down ? "controller link still down -"
                                                           : "controller link down -")
                                << FailureDescription(m_reason);
    m_state = State::Down;
    m_loggedReason = m_reason;
}

LinkFailure LinkStatus::reason() const {
    return m_state == State::Closed ? LinkFailure::PortClosed : m_reason;
}

}  // namespace vt
