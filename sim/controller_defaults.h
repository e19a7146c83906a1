#pragma once

#include "register_file.h"
#include "simulator_options.h"

namespace vt::sim {

// Fills a fresh register file with the settings of a controller as delivered: a type K
// thermocouple in Celsius with one decimal place, SV1 100.0, a moderate PID set, twenty
// grouped sets and limits, and a ramp/soak program on every curve.
void LoadDefaults(RegisterFile& regs, const SimulatorOptions& options);

}  // namespace vt::sim
