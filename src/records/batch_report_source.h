#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "batch_dossier.h"
#include "batch_report_data.h"

namespace vt {

// A batch dossier as the report lays it out, with its chain export attached.
BatchReportData BatchReportDataOf(BatchDossier dossier);

// Reads batch `batchId` and its chain for a report; nullopt when there is no such batch.
std::optional<BatchReportData> LoadBatchReport(const BatchStore& store, std::int64_t batchId);

}  // namespace vt
