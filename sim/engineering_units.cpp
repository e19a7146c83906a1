#include "engineering_units.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vt::sim {

namespace {

constexpr int kFirstLinearType = 14;
constexpr int kFahrenheit = 1;
constexpr int kKelvin = 2;

}  // namespace

double CelsiusToEngineering(double celsius, int inputType, int tempUnit) {
    if (inputType >= kFirstLinearType) return celsius;
    if (tempUnit == kFahrenheit) return celsius * 1.8 + 32.0;
    if (tempUnit == kKelvin) return celsius + 273.15;
    return celsius;
}

double EngineeringPerCelsius(int inputType, int tempUnit) {
    return inputType < kFirstLinearType && tempUnit == kFahrenheit ? 1.8 : 1.0;
}

std::int16_t ClampToRegister(double value) {
    if (std::isnan(value)) return 0;
    const double lo = std::numeric_limits<std::int16_t>::min();
    const double hi = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(std::nearbyint(std::clamp(value, lo, hi)));
}

std::int16_t RawOfInput1(const InputScaling& scaling, double value) {
    return ClampToRegister(ValueToRaw1(scaling, static_cast<float>(value)));
}

std::int16_t RawOfInput2(const InputScaling& scaling, double value) {
    return ClampToRegister(ValueToRaw2(scaling, static_cast<float>(value)));
}

}  // namespace vt::sim
