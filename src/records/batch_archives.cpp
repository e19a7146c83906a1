#include "batch_archives.h"

#include "batch_evaluation.h"
#include "batch_recorder.h"
#include "batch_series_source.h"
#include "records_task.h"

namespace vt {

std::vector<ArchiveChoice> BatchArchives::archives() {
    const BatchStore* store = m_recorder.store();
    if (!store) return {};
    std::vector<ArchiveChoice> choices;
    for (const BatchSummary& b : store->list({}, 0, store->count({}))) {
        const QString start = QDateTime::fromMSecsSinceEpoch(b.startedMs)
                                  .toString(QStringLiteral("yyyy-MM-dd HH:mm"));
        const QString part = b.header.value(HeaderField::Part);
        choices.push_back(
            {b.id,
             QStringLiteral("批次 %1%2  %3")
                 .arg(b.number(), part.isEmpty() ? QString() : QStringLiteral("  ") + part, start),
             kRecordGapMs / 1000.0});
    }
    return choices;
}

std::unique_ptr<SeriesSource> BatchArchives::open(std::int64_t id) {
    const BatchStore* store = m_recorder.store();
    if (!store) return nullptr;
    return std::make_unique<BatchSeriesSource>(*store, id);
}

std::unique_ptr<QObject> BatchArchives::makeReport(std::int64_t id, HistoryReportRequest request,
                                                   ReportDone done) {
    auto task = std::make_unique<RecordsTask>(m_recorder.path());
    task->run<HistoryReportData>(
        [id, request = std::move(request)](const BatchStore& store, const std::atomic<bool>&) {
            BatchSeriesSource source(store, id);
            return BuildHistoryReport(source, request);
        },
        [done](HistoryReportData report) { done(std::move(report), QString()); },
        [done](const QString& problem) { done(std::nullopt, problem); });
    return task;
}

}  // namespace vt
