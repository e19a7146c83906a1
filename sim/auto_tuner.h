#pragma once

#include "heated_process.h"
#include "pid_loop.h"

namespace vt::sim {

// The auto-tune: drives the output on and off around the set value for a fixed time, then
// yields a PID set fitted to the process it has been driving.
class AutoTuner {
  public:
    static constexpr double kDuration = 60.0;  // simulated seconds

    void start();
    void abort() { m_active = false; }
    bool active() const { return m_active; }

    double output(double sv, double pv, double low, double high) const;
    bool advance(double dt);  // true on the tick the tuning completes

    // Band in engineering units of input 1 (engineeringPerCelsius converts from degC).
    static PidSettings Result(const PlantParameters& plant, double engineeringPerCelsius);

  private:
    bool m_active = false;
    double m_elapsed = 0.0;
};

}  // namespace vt::sim
