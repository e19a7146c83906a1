#pragma once

#include <QString>

#include "batch_dossier.h"
#include "report_chart_data.h"

namespace vt {

// A batch chart's values as the chart the batch page and the batch report both draw: PV1, PV2
// and SV1 out of the bands (current set value, PV1, PV2, SV1), the planned profile, the notes
// numbered as marks and the gaps, in seconds after the chart's start.
ReportChartData ChartDataOf(const BatchChartData& chart, const QString& unit);

}  // namespace vt
