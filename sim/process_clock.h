#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

#include "controller_model.h"

namespace vt::sim {

// Steps a model every 100 ms of real time by the elapsed time times the time factor, on a
// thread of its own.
class ProcessClock {
  public:
    explicit ProcessClock(ControllerModel& model) : m_model(model) {}
    ~ProcessClock();
    ProcessClock(const ProcessClock&) = delete;
    ProcessClock& operator=(const ProcessClock&) = delete;

    void start();
    void stop();
    void setTimeFactor(double factor);
    void setRunning(bool run);  // false freezes the process without stopping the thread

  private:
    void loop();

    ControllerModel& m_model;
    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stop = false;
    bool m_run = true;
    double m_timeFactor = 1.0;
};

}  // namespace vt::sim
