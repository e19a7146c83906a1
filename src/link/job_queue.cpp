#include "job_queue.h"

namespace vt {

void JobQueue::push(const QueuedJob& entry) {
    (entry.job.priority == JobPriority::Operator ? m_operator : m_reads).push_back(entry);
}

std::optional<QueuedJob> JobQueue::takeNext() {
    std::deque<QueuedJob>& from = m_operator.empty() ? m_reads : m_operator;
    if (from.empty()) return std::nullopt;
    QueuedJob next = from.front();
    from.pop_front();
    return next;
}

void JobQueue::clear() {
    m_operator.clear();
    m_reads.clear();
}

}  // namespace vt
