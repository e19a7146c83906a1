// Figures for "历史报告" over one batch's archive, on a real records file in a temporary folder:
// a batch of 360,000 one-second records (100 hours), then the report's data for the whole batch
// and for one hour of it: made on the UI thread from the minute spans and from the records alone
// (as before spans narrowed the read), the UI thread's longest stall while the dialog has it made
// on a worker, and the whole batch's report saved as a PDF.
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>

#include "batch_archives.h"
#include "batch_recorder.h"
#include "batch_series_source.h"
#include "bench_stats.h"
#include "history_report.h"
#include "records_bench_file.h"
#include "screenshots.h"
#include "trend_settings.h"
#include "ui_stalls.h"

namespace {

constexpr int kRecords = 360000;
const QDateTime kStart(QDate(2026, 1, 5), QTime(6, 0, 0));

// A closed manual batch of kRecords records, one a second from kStart.
std::int64_t FillBatch(vt::BatchRecorder& recorder, QDateTime& now, const QString& path) {
    recorder.open();
    recorder.startManual(recorder.proposal(), nullptr);
    vt::bench::AppendSeconds(recorder, now, kStart, kRecords);
    vt::bench::CopyLogBack(path);
    const std::int64_t id = recorder.openBatch()->id;
    recorder.endBatch();
    return id;
}

vt::HistoryReportRequest Request(const QDateTime& from, const QDateTime& to) {
    vt::HistoryReportRequest request;
    request.title = QStringLiteral("历史报告");
    request.pens = vt::TrendHistoryPens(vt::HistoryTrendSettings().PenNames);
    request.gapSeconds = 1.5;
    request.from = from;
    request.to = to;
    return request;
}

// The report made on the UI thread, as the dialog did before.
void OnUiThread(vt::SeriesSource& source, const char* what, const vt::HistoryReportRequest& r) {
    qint64 records = 0;
    const auto runs =
        vt::bench::TimedRuns([&] { records = vt::BuildHistoryReport(source, r).records; }, 1, 5);
    std::printf("  %-44s %7lld records: median %6.0f ms  max %6.0f ms\n", what,
                static_cast<long long>(records), vt::bench::Quantile(runs, 0.5),
                vt::bench::Quantile(runs, 1.0));
}

// The report made through the archive's worker, as the dialog does now.
void OnWorker(vt::BatchArchives& archives, std::int64_t id, const char* what,
              const vt::HistoryReportRequest& r) {
    std::unique_ptr<QObject> making;
    qint64 records = -1;
    const vt::bench::Stalls stalls = vt::bench::MeasureStalls(
        [&] {
            making = archives.makeReport(
                id, r, [&](const std::optional<vt::HistoryReportData>& report, const QString&) {
                    records = report ? report->records : 0;
                });
        },
        [&] { return records >= 0; });
    std::printf(
        "  %-44s %7lld records: UI thread's longest stall %.1f ms (at %.0f ms), report at %.0f "
        "ms\n",
        what, static_cast<long long>(records), stalls.longest, stalls.longestAtMs, stalls.doneAtMs);
}

}  // namespace

int main(int argc, char** argv) {
    vt::bench::UseOffscreenUnlessChosen();
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    vt::ControllerState state;
    QDateTime now = kStart;
    const QString path = dir.filePath(QStringLiteral("Records.db"));
    vt::BatchRecorder recorder(state, path, [&] { return now; });
    const std::int64_t id = FillBatch(recorder, now, path);
    vt::BatchSeriesSource source(*recorder.store(), id);
    vt::BatchArchives archives(recorder);
    const auto [first, last] = source.extent();
    const std::pair<const char*, vt::HistoryReportRequest> ranges[] = {
        {"whole batch (100 hours)", Request(first, last)},
        {"one hour in the middle", Request(first.addSecs(50 * 3600), first.addSecs(51 * 3600))}};
    std::printf("now: on a worker (the dialog), and on the UI thread from the minute spans\n");
    for (const auto& [what, request] : ranges) {
        OnWorker(archives, id, what, request);
        OnUiThread(source, what, request);
    }

    const QString pdf = dir.filePath(QStringLiteral("history.pdf"));
    QElapsedTimer save;
    save.start();
    const bool saved =
        vt::SaveHistoryReportPdf(pdf, vt::BuildHistoryReport(source, ranges[0].second), nullptr);
    std::printf("whole batch, read and saved as PDF: %.0f ms, %.0f kB%s\n",
                double(save.nsecsElapsed()) / 1e6, double(QFileInfo(pdf).size()) / 1e3,
                saved ? "" : " (save failed)");

    vt::bench::DropMinuteSpans(path);
    std::printf("before: on the UI thread, every record read (the file without spans reads so)\n");
    for (const auto& [what, request] : ranges) OnUiThread(source, what, request);
    return 0;
}
