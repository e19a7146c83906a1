// Reports: the PDF of a 100-hour batch (360,000 one-second records reduced to chart columns),
// from data in memory and from a real records file as `vtrecords report` and the report button
// make it, verifying that PDF with `vtrecords verify`, the F3 trend page and a history report
// over a full ten-second ring. Prints medians in milliseconds and file sizes.
// Usage: bench_reports [FOLDER]   (the PDFs stay in FOLDER for pdfinfo, pdfdetach, qpdf).
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>
#include <thread>

#include "batch_chain.h"
#include "batch_recorder.h"
#include "batch_report.h"
#include "batch_report_source.h"
#include "bench_stats.h"
#include "column_reducer.h"
#include "controller_state.h"
#include "history_report.h"
#include "pdf_attachment.h"
#include "records_bench_file.h"
#include "records_cli.h"
#include "records_file.h"
#include "sample_batch_report.h"
#include "screenshots.h"
#include "trend_engine.h"
#include "trend_page.h"
#include "zlib_stream.h"

namespace {

using namespace vt;

double Median(const std::function<void()>& work, int runs) {
    return bench::Quantile(bench::TimedRuns(work, 1, runs), 0.5);
}

double Megabytes(qint64 bytes) { return double(bytes) / (1024.0 * 1024.0); }

// A full ring of records with moving values.
class WaveRing : public RingWindowSource {
  public:
    std::int32_t newestId() override { return kRingCapacity; }
    std::vector<RingRecord> readWindow(std::int32_t endId, std::int32_t count) override {
        std::vector<RingRecord> records;
        for (std::int32_t id = std::max(1, endId - count + 1); id <= endId; ++id) {
            const double moment = 46000.0 + id * 10.0 / 86400.0;
            RingRecord r{id, std::floor(moment), moment - std::floor(moment), {}};
            for (int j = 0; j < 8; ++j) r.values[j] = float(600 + 300 * std::sin(id / 300.0 + j));
            records.push_back(r);
        }
        return records;
    }
};

void BatchReport(const QTemporaryDir& dir) {
    QElapsedTimer clock;
    clock.start();
    BatchReportData data = samples::SampleBatchReport(100.0, 900);
    std::printf("100-hour batch: %lld records, chain export %.1f MB (made in %.0f ms)\n",
                static_cast<long long>(data.integrity.recordCount),
                Megabytes(data.chainExport.size()), double(clock.elapsed()));

    // The reduction the records file does in SQL, here in memory: 360,000 x 3 values.
    std::vector<float> values(3);
    const double reduce = Median(
        [&] {
            ColumnReducer reducer(360000.0, 900, 3);
            for (int s = 0; s < 360000; ++s) {
                values[0] = float(s % 977);
                reducer.add(s, values);
            }
        },
        5);
    std::printf("  reduce 360,000 records to 900 columns      median %8.1f ms\n", reduce);

    const QString path = dir.filePath(QStringLiteral("batch.pdf"));
    const double save = Median([&] { SaveBatchReportPdf(path, data, nullptr); }, 5);
    const qint64 whole = QFileInfo(path).size();
    std::printf("  batch report to PDF (with attachment)      median %8.1f ms   (target <= 3000)\n",
                save);

    BatchReportData pagesOnly = data;
    pagesOnly.chainExport.clear();
    const QString bare = dir.filePath(QStringLiteral("pages.pdf"));
    const double pagesTime = Median([&] { SaveBatchReportPdf(bare, pagesOnly, nullptr); }, 5);
    const qint64 pages = QFileInfo(bare).size();
    std::printf("  batch report to PDF (pages only)           median %8.1f ms\n", pagesTime);
    std::printf(
        "  file %.2f MB = pages %.2f MB (target <= 2) + attachment %.2f MB compressed"
        " (%.2f MB raw)\n",
        Megabytes(whole), Megabytes(pages), Megabytes(whole - pages),
        Megabytes(data.chainExport.size()));

    // What the attachment alone costs: deflated at zlib's fastest level, in slices on every core.
    const double deflate = Median([&] { (void)ZlibStream(data.chainExport); }, 3);
    const double single = Median([&] { (void)qCompress(data.chainExport, 1); }, 3);
    std::printf(
        "  of which deflating the attachment (level 1, %u cores) median %8.1f ms"
        "   (on one core %.1f ms)\n",
        std::thread::hardware_concurrency(), deflate, single);

    const double extract = Median([&] { (void)ExtractAttachment(path); }, 5);
    std::printf("  extract the attachment from the PDF        median %8.1f ms\n", extract);
}

// Runs vtrecords in this process; answers its exit code.
int Vtrecords(const QStringList& arguments) {
    QString printed;
    QTextStream out(&printed);
    QTextStream err(&printed);
    return RunRecordsCli(QStringList{QStringLiteral("vtrecords")} + arguments, out, err);
}

// A records file holding one sealed batch of `seconds` one-second records; answers its number.
QString FillRecordsFile(const QString& path, int seconds) {
    ControllerState state;
    const QDateTime start(QDate(2026, 1, 5), QTime(6, 0, 0));
    QDateTime now = start;
    BatchRecorder recorder(state, path, [&] { return now; });
    recorder.open();
    recorder.startManual(recorder.proposal(), nullptr);
    bench::AppendSeconds(recorder, now, start, seconds);
    bench::CopyLogBack(path);
    const QString number = recorder.openBatch()->number();
    recorder.endBatch();
    while (recorder.sealing()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return number;
}

// What an operator waits for: reading the batch, exporting its chain and the PDF, as the report
// button and `vtrecords report` do it; then `vtrecords verify` of that PDF.
void BatchReportFromFile(const QTemporaryDir& dir) {
    const QString records = dir.filePath(QStringLiteral("long.db"));
    const QString number = FillRecordsFile(records, 360000);
    const QString pdf = dir.filePath(QStringLiteral("long.pdf"));
    const QStringList report =
        QStringList{QStringLiteral("--records"), records} +
        QStringList{QStringLiteral("report"), number, QStringLiteral("-o"), pdf};
    const double make = Median([&] { Vtrecords(report); }, 3);
    std::printf(
        "100-hour batch from the records file: vtrecords report (read + export + PDF) median "
        "%8.1f ms   (target <= 3000)   %.2f MB\n",
        make, Megabytes(QFileInfo(pdf).size()));
    RecordsFile file(records, RecordsFile::Mode::Reader);
    file.open();
    const BatchStore store(file.database());
    const std::int64_t id = store.batchByNumber(number)->id;
    const BatchSummary batch = *store.batch(id);
    const double read = Median([&] { (void)LoadBatchReport(store, id); }, 3);
    const double verifyAlone = Median([&] { (void)VerifyBatch(store, batch); }, 3);
    const double evaluate = Median([&] { (void)EvaluateBatch(store, batch, true); }, 3);
    const double exportAlone = Median([&] { (void)ExportBatchChain(store, batch); }, 3);
    const BatchReportData data = *LoadBatchReport(store, id);
    const double save = Median([&] { SaveBatchReportPdf(pdf, data, nullptr); }, 3);
    std::printf(
        "  of which reading it (verified, evaluated, exported in one walk) median %8.1f ms"
        "   (walks of their own: verifying %.1f, evaluating %.1f, exporting %.1f ms)\n"
        "  and the PDF from what was read                      median %8.1f ms\n",
        read, verifyAlone, evaluate, exportAlone, save);
    const QStringList verify{QStringLiteral("verify"), pdf};
    const int holds = Vtrecords(verify);
    const double check = Median([&] { Vtrecords(verify); }, 5);
    std::printf("  vtrecords verify of that PDF (exit %d)     median %8.1f ms   (target <= 2000)\n",
                holds, check);
    const double extract = Median([&] { (void)ExtractAttachment(pdf); }, 5);
    std::printf("    of which parse and inflate              median %8.1f ms\n", extract);
}

void TrendPage(const QTemporaryDir& dir) {
    ControllerState state;
    state.YSpan = 1500;
    WaveRing ring;
    TrendEngine engine(OverviewTrendSettings(), state);
    engine.setSource(&ring);
    engine.initialise();
    while (engine.raiseZoom()) {
    }
    const QString path = dir.filePath(QStringLiteral("trend.pdf"));
    const double save = Median(
        [&] {
            SaveTrendPagePdf(path,
                             TrendPageOf(engine, QStringLiteral("实时趋势"), QStringLiteral("站")),
                             nullptr);
        },
        20);
    std::printf(
        "F3 trend page (zoom 4, 320 samples) to PDF  median %8.1f ms   (target <= 300)"
        "   %.0f kB\n",
        save, double(QFileInfo(path).size()) / 1024.0);
}

void HistoryReport(const QTemporaryDir& dir) {
    WaveRing ring;
    RingSeriesSource source(ring);
    const auto [first, last] = source.extent();
    HistoryReportRequest request{QStringLiteral("历史报告"),
                                 QStringLiteral("站"),
                                 first,
                                 last,
                                 TrendHistoryPens(HistoryTrendSettings().PenNames),
                                 300.0};
    const QString path = dir.filePath(QStringLiteral("history.pdf"));
    const double build = Median([&] { (void)BuildHistoryReport(source, request); }, 5);
    const HistoryReportData report = BuildHistoryReport(source, request);
    const double save = Median([&] { SaveHistoryReportPdf(path, report, nullptr); }, 5);
    std::printf(
        "history report, 65,500 records: read+reduce median %8.1f ms, PDF median %8.1f ms"
        "   %.0f kB\n",
        build, save, double(QFileInfo(path).size()) / 1024.0);
}

}  // namespace

int main(int argc, char** argv) {
    vt::bench::UseOffscreenUnlessChosen();
    QApplication app(argc, argv);
    QTemporaryDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) + QStringLiteral("/XXXXXX")
                               : QString());
    dir.setAutoRemove(argc < 2);
    BatchReport(dir);
    BatchReportFromFile(dir);
    TrendPage(dir);
    HistoryReport(dir);
    return 0;
}
