#pragma once

#include <QFont>
#include <QRectF>

#include "chart_picture.h"

class QPainter;

namespace vt {

// What a device brings to a chart picture: its unit of length and its fonts. The layout (legend
// above, value axis left, time axis below) and the line widths are in millimetres of paper,
// scaled by `mm`; no line is thinner than `thinnest` device units.
struct ChartLooks {
    double mm = 1.0;
    double thinnest = 0.0;
    QFont axisFont;
    QFont legendFont;
    QFont markFont;
    // The pens' lines one device pixel wide: a screen's antialiased lines of one pixel go
    // through the line stroker, wider ones through a polygon fill that a dense zigzag of
    // column extremes makes slow.
    bool hairlines = false;
};

// The plot rectangle of a chart painted into `frame`.
QRectF ChartPlotRect(const QRectF& frame, const ChartLooks& looks);

// Paints `picture` into `frame`: the legend above, the value axis left, the time axis below,
// gaps hatched, marks as numbered lines, the lines clipped to the plot. Vector lines only.
void PaintChartPicture(QPainter& painter, const QRectF& frame, const ChartPicture& picture,
                       const ChartLooks& looks);

}  // namespace vt
