#pragma once

#include <cstdint>

namespace vt::sim {

// Whether the controller takes a value for a holding register: the run registers and the
// settings that define the input scaling accept only their codes; the rest take any value.
bool WriteAccepted(int reg, std::int16_t value);

}  // namespace vt::sim
