#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "history_report.h"

namespace vt {

// A batch whose archive a history report may cover.
struct ArchiveChoice {
    std::int64_t id = 0;
    QString label;            // number, part, start
    double gapSeconds = 1.5;  // records further apart than this mark a gap
};

// The batch archives a history report can read instead of the ten-second ring; the station
// hands one to the history window.
class ArchiveCatalogue {
  public:
    virtual ~ArchiveCatalogue() = default;
    // Newest first.
    virtual std::vector<ArchiveChoice> archives() = 0;
    // The archive of batch `id`; nothing when it cannot be read now.
    virtual std::unique_ptr<SeriesSource> open(std::int64_t id) = 0;

    // The report (nothing, and why, when the archive could not be read).
    using ReportDone = std::function<void(std::optional<HistoryReportData>, const QString&)>;
    // Makes the report of `request` over batch `id`'s archive off the caller's thread and hands
    // it to `done` on that thread. Destroying what it returns stops the reading and drops the
    // report.
    virtual std::unique_ptr<QObject> makeReport(std::int64_t id, HistoryReportRequest request,
                                                ReportDone done) = 0;
};

}  // namespace vt
