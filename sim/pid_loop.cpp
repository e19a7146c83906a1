#include "pid_loop.h"

#include <algorithm>

namespace vt::sim {

namespace {
constexpr double kDerivativeFilterShare = 0.125;  // filter time as a share of the derivative time
}

double PidLoop::update(double dt, double sv, double pv, const PidSettings& s, double low,
                       double high) {
    const double error = sv - pv;
    const double rate = m_hasLastPv && dt > 0.0 ? (pv - m_lastPv) / dt : 0.0;
    m_lastPv = pv;
    m_hasLastPv = true;
    if (s.band <= 0.0) {
        if (pv < sv - s.hysteresis) m_heating = true;
        if (pv > sv) m_heating = false;
        return m_heating ? high : low;
    }
    const double gain = 100.0 / s.band;
    if (s.derivative > 0.0) {
        const double filter = s.derivative * kDerivativeFilterShare;
        m_derivative += (-gain * s.derivative * rate - m_derivative) * dt / (filter + dt);
    } else {
        m_derivative = 0.0;
    }
    const double proportional = gain * error;
    if (m_resume) {
        m_integral = m_resumeOutput - proportional;
        m_resume = false;
    }
    if (s.integral > 0.0) {
        const double step = gain * error * dt / s.integral;
        const double trial = proportional + m_integral + step + m_derivative;
        const bool windsUp = (trial > high && step > 0.0) || (trial < low && step < 0.0);
        if (!windsUp) m_integral += step;
    } else {
        m_integral = 0.0;
    }
    return std::clamp(proportional + m_integral + m_derivative, low, high);
}

void PidLoop::clear() {
    m_integral = 0.0;
    m_derivative = 0.0;
    m_hasLastPv = false;
    m_resume = false;
}

void PidLoop::reset(double output) {
    m_resumeOutput = output;
    m_resume = true;
    m_derivative = 0.0;
    m_hasLastPv = false;
}

}  // namespace vt::sim
