#include "heated_process.h"

#include <algorithm>
#include <cmath>

namespace vt::sim {

HeatedProcess::HeatedProcess(PlantParameters parameters, double tick)
    : m_parameters(parameters),
      m_tick(tick),
      m_temperature(parameters.ambient),
      m_temperature2(parameters.ambient),
      m_delayLine(std::max<std::size_t>(
                      1, static_cast<std::size_t>(std::lround(parameters.deadTime / tick))),
                  0.0) {}

void HeatedProcess::advance(double outputPercent) {
    const double delayed = m_delayLine[m_next];
    m_delayLine[m_next] = outputPercent;
    m_next = (m_next + 1) % m_delayLine.size();

    const double target = m_parameters.ambient + m_parameters.gainPerPercent * delayed;
    m_temperature +=
        (target - m_temperature) * (1.0 - std::exp(-m_tick / m_parameters.timeConstant));
    m_temperature2 +=
        (m_temperature - m_temperature2) * (1.0 - std::exp(-m_tick / m_parameters.sensor2Lag));
}

}  // namespace vt::sim
