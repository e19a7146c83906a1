#pragma once

#include <array>
#include <cstdint>

namespace vt {

// Logical drawing surface of a trend chart; the grid occupies 12000 x 7500 of it.
inline constexpr int kSurfaceWidth = 12008;
inline constexpr int kSurfaceHeight = 7508;
inline constexpr int kGridWidth = 12000;
inline constexpr int kGridHeight = 7500;

// Sample buffer: rows 0..322 (row 0 is never loaded), 25 value columns.
inline constexpr int kBufferRows = 323;
inline constexpr int kLastRow = kBufferRows - 1;
inline constexpr int kBufferColumns = 25;
inline constexpr int kLoggedColumns = 8;  // values a record carries
inline constexpr int kPenCount = 6;

// Window loads: the live window ends at row 241 (x = 9000), a paged window holds 321 rows.
inline constexpr std::int32_t kLiveLoadCount = 241;
inline constexpr std::int32_t kPagedLoadCount = 321;
inline constexpr int kLiveRow = 241;
inline constexpr int kPageSamples = 60;
inline constexpr int kMaxZoomLevel = 4;
// Live samples per zoom level that fit right of row 241 before the live window is reloaded.
inline constexpr int kLiveRowsPerZoom = 20;
// Refused value-axis entries: maximum outside -12000..36000, minimum outside -12000..35000.
inline constexpr double kAxisMaximumLimit = 36000;
inline constexpr double kAxisMinimumLimit = 35000;
inline constexpr double kAxisLowerLimit = -12000;

// Two records further apart than this (just under five minutes, in days) mark a gap.
inline constexpr double kGapThreshold = 0.00347222;

// Ruler slider range in x units, and its step before the first zoom change.
inline constexpr int kSliderMin = -1;
inline constexpr int kSliderMax = 12001;
inline constexpr int kInitialSliderStep = 50;

// Time labels: nine, 1500 units apart; value and output axes: seven labels, 1250 units apart.
inline constexpr int kTimeLabelCount = 9;
inline constexpr int kTimeLabelSpacing = 1500;
inline constexpr int kAxisLabelCount = 7;
inline constexpr int kAxisLabelSpacing = 1250;

// Colours as 0xRRGGBB.
inline constexpr std::uint32_t kBackgroundRgb = 0xC0FFFF;
inline constexpr std::uint32_t kGridRgb = 0xFF80FF;
inline constexpr std::uint32_t kGapMarkRgb = 0xFFFF00;
inline constexpr std::uint32_t kRulerEnterRgb = 0xFFFF00;
inline constexpr std::uint32_t kRulerMoveRgb = 0xC000C0;
inline constexpr std::uint32_t kRulerLeaveRgb = 0x00FF00;
inline constexpr int kGapMarkBottom = 9000;

// Scale a pen is drawn on.
enum class TrendScale { ValueAxis, OutputAxis, Percent };

struct TrendPenSpec {
    int column;
    std::uint32_t rgb;
    int width;
    TrendScale scale;
};

// The pens in drawing order. The third pen's scale is a window setting.
inline constexpr std::array<TrendPenSpec, kPenCount> kTrendPens{{
    {2, 0x004000, 2, TrendScale::ValueAxis},   // t.SV
    {0, 0xFF0000, 2, TrendScale::ValueAxis},   // t.PV
    {1, 0x808000, 1, TrendScale::OutputAxis},  // t.OP
    {3, 0xFF00FF, 1, TrendScale::ValueAxis},   // PV1
    {4, 0xC04000, 1, TrendScale::Percent},     // PV2
    {5, 0x0000FF, 1, TrendScale::ValueAxis},   // SV1
}};
inline constexpr int kSettingScalePen = 2;

}  // namespace vt
