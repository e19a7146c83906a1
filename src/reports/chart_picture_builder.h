#pragma once

#include "chart_picture.h"
#include "report_chart_data.h"

namespace vt {

// The picture of a chart's data: value range over every present column and planned point with a
// margin, value grid on round steps, time grid on round local times, each pen as one zigzag line
// through its columns' minimum and maximum (broken across a gap), the planned
// profile dashed, marks and gaps.
ChartPicture BuildChartPicture(const ReportChartData& chart);

// Seconds between time grid lines for a span: the smallest round step that leaves at most
// eight lines.
double ChartTimeStep(double spanSeconds);

}  // namespace vt
