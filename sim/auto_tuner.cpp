#include "auto_tuner.h"

#include <algorithm>

namespace vt::sim {

void AutoTuner::start() {
    m_active = true;
    m_elapsed = 0.0;
}

double AutoTuner::output(double sv, double pv, double low, double high) const {
    return pv < sv ? high : low;
}

bool AutoTuner::advance(double dt) {
    if (!m_active) return false;
    m_elapsed += dt;
    if (m_elapsed < kDuration) return false;
    m_active = false;
    return true;
}

// Internal-model rule with a closed-loop time equal to the dead time.
PidSettings AutoTuner::Result(const PlantParameters& plant, double engineeringPerCelsius) {
    const double closedLoop = std::max(plant.deadTime, 1.0);
    const double gainPercentPerDegree =
        plant.timeConstant / (plant.gainPerPercent * (closedLoop + plant.deadTime));
    PidSettings s;
    s.band = 100.0 / gainPercentPerDegree * engineeringPerCelsius;
    s.integral = std::min(plant.timeConstant, 4.0 * (closedLoop + plant.deadTime));
    s.derivative = plant.deadTime / 2.0;
    return s;
}

}  // namespace vt::sim
