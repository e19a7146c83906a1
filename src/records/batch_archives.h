#pragma once

#include "archive_catalogue.h"

namespace vt {

class BatchRecorder;

// The records file's batches as the history report's other sources, read through the station's
// recorder while its file is usable.
class BatchArchives : public ArchiveCatalogue {
  public:
    explicit BatchArchives(const BatchRecorder& recorder) : m_recorder(recorder) {}
    std::vector<ArchiveChoice> archives() override;
    std::unique_ptr<SeriesSource> open(std::int64_t id) override;
    // Through a `RecordsTask` on the recorder's file.
    std::unique_ptr<QObject> makeReport(std::int64_t id, HistoryReportRequest request,
                                        ReportDone done) override;

  private:
    const BatchRecorder& m_recorder;
};

}  // namespace vt
