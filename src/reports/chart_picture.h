#pragma once

#include <QPainterPath>
#include <QRgb>
#include <QString>
#include <vector>

namespace vt {

// A line of the chart: the planned profile or a pen, with its name for the legend. `widthMm` is
// its width on paper; a screen scales it like the rest of the layout.
struct ChartLine {
    QString name;
    QRgb rgb = 0;
    Qt::PenStyle style = Qt::SolidLine;
    double widthMm = 0.35;
    QPainterPath path;
};

// A grid line with its label, at a logical x (time) or y (value).
struct ChartTick {
    double at = 0.0;
    QString text;
};

// A numbered mark (an operator note) at a logical x.
struct ChartMarkLine {
    double x = 0.0;
    QString label;
};

// A stretch without data, from x `left` to `right` (logical).
struct ChartGap {
    double left = 0.0;
    double right = 0.0;
};

// One chart as data in logical units: the plot is the unit square, x from 0 (start of the time
// span) to 1 (its end), y from 0 (top of the value range) to 1 (its bottom). A painter maps the
// square onto its plot rectangle and brings its own fonts and line scale.
struct ChartPicture {
    QString unit;
    std::vector<ChartTick> valueTicks;  // at = y
    std::vector<ChartTick> timeTicks;   // at = x
    std::vector<ChartGap> gaps;
    std::vector<ChartLine> lines;  // the planned profile (when there is one) first, then the pens
    std::vector<ChartMarkLine> marks;
};

}  // namespace vt
