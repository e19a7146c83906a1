#pragma once

namespace vt::sim {

// One loop's parameters in engineering units: a band of 0 means on/off control.
struct PidSettings {
    double band = 0.0;        // proportional band
    double integral = 0.0;    // s, 0 switches the integral action off
    double derivative = 0.0;  // s
    double hysteresis = 0.0;  // on/off control only
};

// Position-form PID on the error, derivative on the measured value, integral held back while
// the output sits at a limit. Output in percent.
class PidLoop {
  public:
    double update(double dt, double sv, double pv, const PidSettings& s, double low, double high);
    void reset(double output);  // continue bumplessly from this output
    void clear();               // start afresh

  private:
    double m_integral = 0.0;
    double m_derivative = 0.0;
    double m_lastPv = 0.0;
    bool m_hasLastPv = false;
    double m_resumeOutput = 0.0;
    bool m_resume = false;   // the next update starts from m_resumeOutput
    bool m_heating = false;  // on/off state
};

}  // namespace vt::sim
