#pragma once

#include <QLineF>
#include <QPointF>
#include <QString>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace vt {

// The curve preview `pt1` in its logical units: x to the right from 0, y downwards from 0, the
// bottom line at y = kPreviewHeight. Widgets paint it scaled to their size.
inline constexpr int kPreviewWidth = 15008;
inline constexpr int kPreviewHeight = 9008;
inline constexpr int kPreviewPlotHeight = 9000;  // minimum + 1.2 x span lies this far up
inline constexpr int kPreviewDivision = 1000;    // units between two labelled grid lines
inline constexpr int kPreviewTimeLabels = 16;    // `Label8`, under x = 0, 1000, ... 15000
inline constexpr int kPreviewValueLabels = 10;   // `Label6`, at y = 9008, 8008, ... 8

// Colours as 0xRRGGBB.
inline constexpr std::uint32_t kPreviewGridRgb = 0x404000;      // dotted, width 1
inline constexpr std::uint32_t kPreviewBoundaryRgb = 0x00FF00;  // dashed, width 1
inline constexpr std::uint32_t kPreviewCurveRgb = 0xFF0000;     // solid
inline constexpr int kPreviewCurveWidth = 2;

// One drawing of the preview as data: the dotted grid, a dashed boundary at the end of every
// segment, the curve from the start value through the 24 set points, and the label texts.
struct ProgramPicture {
    std::span<const QLineF> grid;
    std::vector<QLineF> boundaries;
    std::vector<QPointF> curve;
    std::array<QString, kPreviewTimeLabels> timeLabels;
    std::array<QString, kPreviewValueLabels> valueLabels;  // bottom to top
    QString maximum;                                       // `Label5`
    QString minimum;                                       // `Label10`
    QString valueStep;                                     // `Label11`
};

}  // namespace vt
