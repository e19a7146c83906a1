#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "register_numbers.h"
#include "value_conversion.h"

namespace vt::sim {

// The controller's plain register storage in station numbering, without locking or side
// effects. The program window 8193..8400 shows the stored curve that holding register 7 selects.
// Numbers outside the storage read as 0 and are not stored.
class RegisterFile {
  public:
    RegisterFile();

    std::int16_t holding(int reg) const;
    void storeHolding(int reg, std::int16_t value);
    std::int16_t input(int reg) const;
    void storeInput(int reg, std::int16_t value);
    bool coil(int n) const;
    void storeCoil(int n, bool on);
    bool discrete(int n) const;
    void storeDiscrete(int n, bool on);

    int currentCurve() const;  // holding 7 limited to 0..8
    std::int16_t curveRegister(int curve, int reg) const;
    void storeCurveRegister(int curve, int reg, std::int16_t value);

    InputScaling scaling() const;  // from the configuration block

  private:
    using Curve = std::array<std::int16_t, reg::kProgramWindowSize>;
    static bool InWindow(int reg);

    std::vector<std::int16_t> m_holding;
    std::vector<std::int16_t> m_input;
    std::array<bool, 17> m_coils{};
    std::array<bool, 17> m_discretes{};
    std::array<Curve, reg::kCurveCount> m_curves{};
};

}  // namespace vt::sim
