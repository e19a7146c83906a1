#pragma once

#include "batch_report_data.h"

namespace vt::samples {

// A batch report of `hours` of one-second records (reduced to `columns` chart columns) on a
// three-segment program with notes, a gap, writes, a header change and the chain export the
// records would hold, for tests, benchmarks and pictures.
BatchReportData SampleBatchReport(double hours = 2.0, int columns = 900);

}  // namespace vt::samples
