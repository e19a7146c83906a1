#include "process_clock.h"

#include <chrono>

namespace vt::sim {

namespace {
constexpr auto kTick = std::chrono::milliseconds(100);
}

ProcessClock::~ProcessClock() { stop(); }

void ProcessClock::start() {
    if (m_thread.joinable()) return;
    {
        std::lock_guard lock(m_mutex);
        m_stop = false;
    }
    m_thread = std::thread([this] { loop(); });
}

void ProcessClock::stop() {
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    if (m_thread.joinable()) m_thread.join();
}

void ProcessClock::setTimeFactor(double factor) {
    std::lock_guard lock(m_mutex);
    m_timeFactor = factor > 0.0 ? factor : 1.0;
}

void ProcessClock::setRunning(bool run) {
    std::lock_guard lock(m_mutex);
    m_run = run;
}

void ProcessClock::loop() {
    using Clock = std::chrono::steady_clock;
    auto last = Clock::now();
    std::unique_lock lock(m_mutex);
    while (!m_wake.wait_for(lock, kTick, [this] { return m_stop; })) {
        const auto now = Clock::now();
        const double seconds = std::chrono::duration<double>(now - last).count() * m_timeFactor;
        last = now;
        if (!m_run) continue;
        lock.unlock();
        m_model.step(seconds);
        lock.lock();
    }
}

}  // namespace vt::sim
