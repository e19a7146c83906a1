#pragma once

#include <QLineF>
#include <QPointF>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "trend_geometry.h"

namespace vt {

// One pen of the chart as a polyline in logical units.
struct TrendPolyline {
    std::uint32_t rgb = 0;  // 0xRRGGBB
    int width = 1;          // pixels
    std::vector<QPointF> points;
};

// Date (day serial) and time of day (fraction) shown by one time label; not known while the
// window holds no record at all.
struct TrendStamp {
    double date = 0.0;
    double time = 0.0;
    bool known = true;
};

// One full redraw of the chart as data, in the logical units of the surface: the widget only
// paints it. Lines are dotted (grid) or dashed (gap marks), width 1.
struct TrendPicture {
    std::span<const QLineF> grid;
    std::vector<QLineF> gapMarks;
    std::array<TrendPolyline, kPenCount> pens;
    std::array<TrendStamp, kTimeLabelCount> timeLabels;
};

}  // namespace vt
