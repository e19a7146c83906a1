#pragma once

#include "link_failure.h"

namespace vt {

// How the link to the controller is doing, judged tick by tick of the polling cycle. It is up
// once a tick stored a block after the port was opened, and down when no block of the last two
// ticks could be stored; one bad tick on a noisy line does not count as an outage. Each change
// is logged once at the default level: the outage with its reason (and again when the reason
// changes), the recovery with the number of blocks that failed in between.
class LinkStatus {
  public:
    // The port was opened: nothing is known until the first tick comes back, unless it was
    // opened again during an outage, which goes on until a block is stored.
    void started();
    // The port was closed; ticks still coming back are ignored.
    void stopped();
    // A tick came back: `stored` blocks were stored, `failed` blocks failed, the last of them
    // for `reason`.
    void tickDone(int stored, int failed, LinkFailure reason);

    // The live tables hold values measured just now: the port is open, the controller's
    // scaling was read and a block of the last two ticks was stored.
    bool up() const { return m_state == State::Up; }
    // The port is open and no block of the last two ticks could be stored.
    bool down() const { return m_state == State::Down; }
    // Why the last tick had failures (None when it had none); PortClosed while closed.
    LinkFailure reason() const;

  private:
    enum class State { Closed, Unknown, Up, Down };

    void goDown();

    State m_state = State::Closed;
    LinkFailure m_reason = LinkFailure::None;
    LinkFailure m_loggedReason = LinkFailure::None;
    int m_silentTicks = 0;
    int m_failedSinceStored = 0;
};

}  // namespace vt
