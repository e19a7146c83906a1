#pragma once

#include <array>
#include <cstdint>

#include "trend_geometry.h"

namespace vt {

// The whole state of one trend window: its sample buffer and its window state.
struct TrendState {
    // Sample buffer, rows 0..322; row 0 is never loaded and stays zero.
    std::array<std::array<float, kBufferColumns>, kBufferRows> TrendValue{};
    std::array<double, kBufferRows> TrendDate{};      // day serial
    std::array<double, kBufferRows> TrendTime{};      // fraction of a day
    std::array<std::int16_t, kBufferRows> GapMark{};  // row r > 0: row r begins after a gap
    // First row that holds a record: a load fills the last rows of its window, so the rows
    // before this one hold none when the ring has fewer records (kBufferRows: no record yet).
    std::int16_t FirstRecordRow = kBufferRows;

    std::int16_t ZoomLevel = 1;          // 1..4
    float SampleStep = 150.0f;           // drawing units per sample
    std::int16_t FirstIndex = 180;       // buffer row drawn at x = 0
    std::int16_t WriteIndex = kLiveRow;  // row of the newest live sample
    std::int16_t MarkIndex = kLiveRow;   // kept equal to WriteIndex
    std::int32_t LoadCount = kLiveLoadCount;
    std::int32_t NewestId = 0;
    std::int32_t LoadEndId = 0;
    std::int32_t LoadStartId = 0;
    std::int32_t PageEndId = 0;
    std::int16_t PageBack = 0;  // pages of 60 samples back from the newest record
    bool OldestReached = false;
    bool RulerOn = false;
};

}  // namespace vt
