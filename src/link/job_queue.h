#pragma once

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

// Jobs waiting on the link thread: operator jobs in the order given, ahead of every read.
class JobQueue {
  public:
    void push(const QueuedJob& entry);
    std::optional<QueuedJob> takeNext();
    bool empty() const { return m_operator.empty() && m_reads.empty(); }
    void clear();

  private:
    std::deque<QueuedJob> m_operator;
    std::deque<QueuedJob> m_reads;
};

}  // namespace vt
