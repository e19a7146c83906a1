#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>

#include "link_job.h"

namespace vt {

// A job waiting for the link, with the ticket that brings its reply back to the submitter.
struct QueuedJob {
    LinkJob job;
    std::uint64_t ticket = 0;
};

// Jobs waiting on the link thread: each in the order given within its priority, the highest
// priority first. One exception keeps an editor window's read from waiting for a whole polling
// tick: a window read goes between the blocks of a tick when the tick, with that read and the
// blocks it still has to run, would still end before it is due, by what the queue has learnt
// of how long a block and a window read take.
class JobQueue {
  public:
    using Clock = std::chrono::steady_clock;

    void push(const QueuedJob& entry);
    std::optional<QueuedJob> takeNext(Clock::time_point now = Clock::now());
    bool empty() const;
    void clear();

    // How long `job` took on the line.
    void noteRun(const LinkJob& job, Clock::duration took);

  private:
    std::deque<QueuedJob>& jobs(JobPriority priority);
    bool windowReadFits(Clock::time_point now);

    std::array<std::deque<QueuedJob>, 3> m_byPriority;  // indexed by JobPriority
    // The longest a polling block and a window read took lately (zero: not known yet).
    Clock::duration m_pollBlockTime{};
    Clock::duration m_windowReadTime{};
};

}  // namespace vt
