#include "job_queue.h"

#include <algorithm>

namespace vt {

void JobQueue::push(const QueuedJob& entry) {
    m_byPriority[static_cast<std::size_t>(entry.job.priority)].push_back(entry);
}

namespace {

// A tick must end this much before it is due, for the time estimates to be safe to go by.
constexpr double kTickHeadroom = 1.2;

// The longest recent time: a longer run counts at once, a shorter one wears it down slowly.
JobQueue::Clock::duration Learnt(JobQueue::Clock::duration estimate,
                                 JobQueue::Clock::duration took) {
    return std::max(took, (estimate * 7 + took) / 8);
}

}  // namespace

std::deque<QueuedJob>& JobQueue::jobs(JobPriority priority) {
    return m_byPriority[static_cast<std::size_t>(priority)];
}

bool JobQueue::windowReadFits(Clock::time_point now) {
    const std::deque<QueuedJob>& polls = jobs(JobPriority::Poll);
    if (polls.empty() || jobs(JobPriority::WindowRead).empty()) return false;
    const Clock::time_point due = polls.front().job.tickDue;
    if (due == Clock::time_point{} || m_windowReadTime == Clock::duration{} ||
        m_pollBlockTime == Clock::duration{})
        return false;
    const auto rest = m_windowReadTime + m_pollBlockTime * static_cast<int>(polls.size());
    return now + std::chrono::duration_cast<Clock::duration>(rest * kTickHeadroom) <= due;
}

void JobQueue::noteRun(const LinkJob& job, Clock::duration took) {
    if (job.priority == JobPriority::Poll) m_pollBlockTime = Learnt(m_pollBlockTime, took);
    if (job.priority == JobPriority::WindowRead) m_windowReadTime = Learnt(m_windowReadTime, took);
}

std::optional<QueuedJob> JobQueue::takeNext(Clock::time_point now) {
    if (jobs(JobPriority::Operator).empty() && windowReadFits(now)) {
        QueuedJob next = jobs(JobPriority::WindowRead).front();
        jobs(JobPriority::WindowRead).pop_front();
        return next;
    }
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
