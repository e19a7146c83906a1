#pragma once

#include <QRectF>
#include <vector>

#include "report_chart_data.h"

class QPainter;

namespace vt {

// Paints a chart into `frame` (report units) as its picture on paper: the legend above, the
// value axis left, the time axis below, gaps hatched, marks as numbered lines, the planned
// profile dashed, each pen as the band of its columns' minimum and maximum. Vector lines only.
void PaintReportChart(QPainter& painter, const QRectF& frame, const ReportChartData& chart);

// The looks of the batch chart's pens: PV1 solid red, PV2 dash-dot brown, SV1 dotted blue
// (without columns).
std::vector<ReportPen> BatchPenLooks();

}  // namespace vt
