#pragma once

#include <array>

#include "parameter.h"

namespace vt {

// The eight alarm settings, holding registers 257..264 in order: alarm 1 and alarm 2 (set value
// or deviation, hysteresis, delay) and the heater-break alarm (value, output).
inline constexpr int kAlarmParameterCount = 8;
const std::array<Parameter, kAlarmParameterCount>& AlarmParameters();

}  // namespace vt
