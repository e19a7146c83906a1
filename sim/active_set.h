#pragma once

#include <array>
#include <cstdint>

#include "pid_loop.h"
#include "register_file.h"

namespace vt::sim {

// The PID set and output limits the loop uses now, with their register forms for the
// "PID in use" inputs 33..48.
struct ActiveSet {
    int pidGroup = 0;    // 0: the active PID registers 4353..
    int limitGroup = 0;  // 0: the output limits of the configuration block
    PidSettings pid;
    double outputHigh = 100.0;  // percent
    double outputLow = 0.0;
    std::array<std::int16_t, 16> inUse{};
};

// Grouping: a running segment's PID and limit groups win; otherwise the switching mode
// (4609: 1 by PV, 2 by SV) picks the first group whose temperature is at or above the value,
// and that group's PID set number picks the PID set.
ActiveSet SelectActiveSet(const RegisterFile& regs, double pv, double sv, int segmentPidGroup,
                          int segmentLimitGroup);

}  // namespace vt::sim
