#pragma once

#include <cstdint>

#include "program_mirror.h"

namespace vt {

// The scales of the curve preview, from the segments in the mirror.
struct ProgramScales {
    std::int32_t totalTime = 0;  // sum of the 24 segment times, whatever the segment count says
    std::int32_t timeStep = 1;   // time units per grid division, at least 1
    double horizontal = 0.0;     // drawing units per time unit
    // Highest and lowest of the 24 set points and their distance. 32-bit: set points at both
    // ends of the accepted range are 40000 apart.
    std::int32_t maximum = 0;
    std::int32_t minimum = 0;
    std::int32_t span = 0;
    double valueStep = 1.0;  // engineering units per value label
    double vertical = 0.0;   // drawing units per engineering unit
    std::int32_t bottomOffset = 0;

    // Where time t and value v are drawn.
    double x(double t) const { return horizontal * t; }
    std::int32_t y(std::int32_t value) const;
};

// Time step: the integer part of total / 15, plus 1. Values: the minimum set point on the
// bottom line, minimum + 1.2 x span at the top, one value label per 1000 units. With all set
// points equal (span 0) the labels step by 1 from the minimum, so the curve lies flat on the
// bottom line under labels that still count upwards.
ProgramScales ComputeProgramScales(const ProgramMirror& mirror);

}  // namespace vt
