#pragma once

#include <array>
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
// priority first.
class JobQueue {
  public:
    void push(const QueuedJob& entry);
    std::optional<QueuedJob> takeNext();
    bool empty() const;
    void clear();

  private:
    std::array<std::deque<QueuedJob>, 3> m_byPriority;  // indexed by JobPriority
};

}  // namespace vt
