#pragma once

#include <array>
#include <cstdint>

#include "controller_map.h"

namespace vt {

// The station's copy of the current curve's program window (holding 8193..8400) as last read
// from the controller or written to it. It lives in the controller state, so it outlives the
// program window: closing and reopening the window shows what was last read. All zero until the
// first read.
struct ProgramMirror {
    static constexpr int kParameterCount = 16;
    static constexpr int kFieldCount = 6;  // fields 6 and 7 of a segment are not kept

    // Offsets 0..15 of the parameter block: offset 1 (the wait deviation) in whole engineering
    // units of the main input, the others as the registers hold them.
    std::array<std::int32_t, kParameterCount> Parameters{};

    // Fields 0..5 of segments 1..24 (index 0 unused): the set point (field 0) in whole
    // engineering units of the main input, the others as the registers hold them.
    std::array<std::array<std::int32_t, kFieldCount>, Program::SegmentCount + 1> Segments{};

    std::int32_t field(int n, int k) const { return Segments[n][k]; }
    std::int32_t setPoint(int n) const { return Segments[n][0]; }
    std::int32_t time(int n) const { return Segments[n][1]; }
};

}  // namespace vt
