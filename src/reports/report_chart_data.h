#pragma once

#include <QDateTime>
#include <QPointF>
#include <QRgb>
#include <QString>
#include <vector>

namespace vt {

// One column of a reduced series: the smallest and largest of the samples that fall in it.
struct ColumnRange {
    float minimum = 0.0f;
    float maximum = 0.0f;
    bool present = false;  // no sample: the pen breaks here
};

// A pen of a report chart: its samples reduced to evenly spaced columns across the time span.
struct ReportPen {
    QString name;
    QRgb rgb = 0;
    Qt::PenStyle style = Qt::SolidLine;  // told apart in black and white as well
    std::vector<ColumnRange> columns;
};

// A mark on the time axis (an operator note), seconds after the chart's start.
struct ChartMark {
    double seconds = 0.0;
    QString label;
};

// A stretch without data (a communication gap), seconds after the chart's start.
struct ChartSpan {
    double fromSeconds = 0.0;
    double toSeconds = 0.0;
};

// A chart as data: pens reduced to columns, an optional planned profile (a polyline drawn
// dashed), marks and gaps, over [start, start + spanSeconds].
struct ReportChartData {
    QDateTime start;
    double spanSeconds = 0.0;
    QString unit;
    std::vector<ReportPen> pens;
    QString plannedName;
    std::vector<QPointF> planned;  // (seconds after start, value)
    std::vector<ChartMark> marks;
    std::vector<ChartSpan> gaps;
};

}  // namespace vt
