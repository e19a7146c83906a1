#pragma once

#include <cstddef>
#include <vector>

namespace vt::sim {

struct PlantParameters {
    double gainPerPercent = 5.0;  // steady-state rise above ambient per percent output, degC
    double timeConstant = 180.0;  // s
    double deadTime = 5.0;        // s
    double ambient = 25.0;        // degC
    double sensor2Lag = 60.0;     // s, the second sensor follows the first through this lag
};

// A heated body: first order with dead time, advanced in fixed ticks. Temperatures in degC.
class HeatedProcess {
  public:
    HeatedProcess(PlantParameters parameters, double tick);

    void advance(double outputPercent);  // by one tick
    double temperature() const { return m_temperature; }
    double temperature2() const { return m_temperature2; }
    const PlantParameters& parameters() const { return m_parameters; }

  private:
    PlantParameters m_parameters;
    double m_tick;
    double m_temperature;
    double m_temperature2;
    std::vector<double> m_delayLine;  // outputs still on their way through the dead time
    std::size_t m_next = 0;
};

}  // namespace vt::sim
