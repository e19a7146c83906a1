// Figures for "历史报告" over one batch's archive, on a real records file in a temporary folder:
// a batch of 360,000 one-second records (100 hours), then the report's data read from it (the
// whole batch and one hour of it) and the whole batch's report saved as a PDF.
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>

#include "batch_recorder.h"
#include "batch_series_source.h"
#include "bench_stats.h"
#include "history_report.h"
#include "long_batch.h"
#include "screenshots.h"
#include "trend_settings.h"

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

void Report(vt::SeriesSource& source, const char* what, const QDateTime& from,
            const QDateTime& to) {
    vt::HistoryReportRequest request;
    request.title = QStringLiteral("历史报告");
    request.pens = vt::TrendHistoryPens(vt::HistoryTrendSettings().PenNames);
    request.gapSeconds = 1.5;
    request.from = from;
    request.to = to;
    qint64 records = 0;
    const auto runs = vt::bench::TimedRuns(
        [&] { records = vt::BuildHistoryReport(source, request).records; }, 1, 5);
    std::printf("%-28s %8lld records: median %6.0f ms  max %6.0f ms\n", what,
                static_cast<long long>(records), vt::bench::Quantile(runs, 0.5),
                vt::bench::Quantile(runs, 1.0));
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
    const auto [first, last] = source.extent();
    Report(source, "whole batch (100 hours)", first, last);
    Report(source, "one hour in the middle", first.addSecs(50 * 3600), first.addSecs(51 * 3600));

    vt::HistoryReportRequest request;
    request.title = QStringLiteral("历史报告");
    request.pens = vt::TrendHistoryPens(vt::HistoryTrendSettings().PenNames);
    request.from = first;
    request.to = last;
    const QString pdf = dir.filePath(QStringLiteral("history.pdf"));
    QElapsedTimer save;
    save.start();
    const bool saved =
        vt::SaveHistoryReportPdf(pdf, vt::BuildHistoryReport(source, request), nullptr);
    std::printf("whole batch, read and saved as PDF: %.0f ms, %.0f kB%s\n",
                double(save.nsecsElapsed()) / 1e6, double(QFileInfo(pdf).size()) / 1e3,
                saved ? "" : " (save failed)");
    return 0;
}
