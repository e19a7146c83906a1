#pragma once

#include <array>

#include "parameter.h"

namespace vt {

// The sixteen active PID parameters, holding registers 4353..4368 in order.
inline constexpr int kPidParameterCount = 16;
const std::array<Parameter, kPidParameterCount>& PidParameters();

}  // namespace vt
