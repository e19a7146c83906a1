#include "alarm_unit.h"

#include <cmath>

namespace vt::sim {

namespace {

constexpr double kFar = 1e9;  // margin of a switch-like condition

double Flag(bool on) { return on ? 1.0 : -kFar; }

// How far the alarm condition is exceeded: above 0 means the condition holds.
double Margin(const AlarmSettings& a, const AlarmSignals& s) {
    switch (a.type) {
        case 1:
            return s.pv - a.setting;
        case 2:
            return a.setting - s.pv;
        case 3:
            return (s.pv - s.sv) - a.setting;
        case 4:
            return (s.sv - s.pv) - a.setting;
        case 5:
            return std::abs(s.pv - s.sv) - a.setting;
        case 6:
            return s.output >= s.heaterBreakOutput ? s.heaterBreakValue - s.pv2 : -kFar;
        case 7:
            return Flag(s.sensorFault);
        case 8:
            return Flag(s.segmentAlarm);
        case 9:
            return (s.pv - s.pv2) - a.setting;
        case 10:
            return (s.pv2 - s.pv) - a.setting;
        case 11:
            return std::abs(s.pv - s.pv2) - a.setting;
        default:
            return -kFar;
    }
}

}  // namespace

void AlarmUnit::update(double dt, const AlarmSettings& settings, const AlarmSignals& signals) {
    if (settings.type != m_type) {
        m_type = settings.type;
        m_active = false;
        m_pending = 0.0;
    }
    const double margin = Margin(settings, signals);
    if (m_active) {
        if (margin < -settings.hysteresis) m_active = false;
        return;
    }
    m_pending = margin > 0.0 ? m_pending + dt : 0.0;
    if (margin > 0.0 && m_pending >= settings.delay) {
        m_active = true;
        m_pending = 0.0;
    }
}

}  // namespace vt::sim
