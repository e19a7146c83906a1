#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <optional>
#include <utility>

#include "controller_state.h"
#include "link_job.h"
#include "link_status.h"

namespace vt {

class ControllerLink;
struct PollBlock;

// The 500 ms polling cycle on the user-interface thread: each tick queues the register blocks
// of one controller read on the link and stores each reply into the controller state as one
// unit when it arrives. A tick is skipped while any block of the previous one is still queued
// or in flight. A block that fails leaves its tables exactly as they were. After each start
// (every open of the port) the configuration block is read on every tick until it comes back,
// and until then no block is stored: values are never converted with a scaling the controller
// did not give.
class PollingCycle : public QObject {
    Q_OBJECT
  public:
    static constexpr int kIntervalMs = 500;
    // The configuration block is read on every 11th tick.
    static constexpr std::int16_t kConfigRefreshPeriod = 11;

    PollingCycle(ControllerLink& link, ControllerState& state, QObject* parent = nullptr);

    // The port was opened (again): the scaling is read afresh and the failed-block count starts
    // over; the first tick comes one interval later unless the timer runs already.
    void start();
    void stop();
    bool isRunning() const { return m_timer.isActive(); }

    // Tick interval; 500 ms unless changed (tests and benchmarks run faster).
    void setInterval(int milliseconds) { m_timer.setInterval(milliseconds); }

    // Blocks that failed since start().
    int failedBlocks() const { return m_failedSinceStart; }

    // How the link is doing after the last tick; status().up() says that the live tables hold
    // values measured just now.
    const LinkStatus& status() const { return m_status; }

    // Ticks since the configuration block was last queued, 0..10; at 0 the next tick reads
    // it (as does every tick while the scaling is unknown). Kept across stop and start.
    std::int16_t ConfigRefreshCount() const { return m_configRefreshCount; }

  signals:
    // A tick has queued its blocks (a tick skipped while the last one is out does not).
    void tickStarted();
    // A tick's last block has come back; `failedBlocks` of its blocks failed.
    void tickFinished(int failedBlocks);

  private:
    void tick();
    void queue(const PollBlock& block);
    void blockDone(const PollBlock& block, const LinkReply& reply);
    bool scalingKnownFor(std::int32_t port, std::int32_t slave) const;

    ControllerLink& m_link;
    ControllerState& m_state;
    QTimer m_timer;
    std::int16_t m_configRefreshCount = 0;
    int m_outstanding = 0;
    int m_tickFailures = 0;
    int m_tickStored = 0;
    std::chrono::steady_clock::time_point m_tickDue{};  // when the running tick should be over
    LinkFailure m_tickReason = LinkFailure::None;
    int m_failedSinceStart = 0;
    // Port and slave address the scaling settings were last read from since start().
    std::optional<std::pair<std::int32_t, std::int32_t>> m_scalingFrom;
    LinkStatus m_status;
};

}  // namespace vt
