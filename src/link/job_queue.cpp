#include "job_queue.h"

namespace vt {

void JobQueue::push(const QueuedJob& entry) {
    m_byPriority[static_cast<std::size_t>(entry.job.priority)].push_back(entry);
}

std::optional<QueuedJob> JobQueue::takeNext() {
    for (auto it = m_byPriority.rbegin(); it != m_byPriority.rend(); ++it) {
        if (it->empty()) continue;
        QueuedJob next = it->front();
        it->pop_front();
        return next;
    }
    return std::nullopt;
}

bool JobQueue::empty() const {
    for (const auto& jobs : m_byPriority) {
        if (!jobs.empty()) return false;
    }
    return true;
}

void JobQueue::clear() {
    for (auto& jobs : m_byPriority) jobs.clear();
}

}  // namespace vt
