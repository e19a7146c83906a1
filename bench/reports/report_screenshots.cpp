// Pictures of report pages for the documentation: the batch report (every page, signed and
// unsigned), the F3 trend page and a history report, rendered from their PDFs with pdftoppm.
// Usage: report_screenshots [FOLDER [PDF_FOLDER]] (default docs/screenshots; the PDFs are kept
// in PDF_FOLDER when given).
#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>

#include "batch_report.h"
#include "controller_state.h"
#include "history_report.h"
#include "sample_batch_report.h"
#include "screenshots.h"
#include "trend_engine.h"
#include "trend_page.h"

namespace {

using namespace vt;

// Renders every page of `pdf` as `<name>-<page>.png` in `folder`.
void Pictures(const QString& pdf, const QDir& folder, const QString& name) {
    const int rc = QProcess::execute(QStringLiteral("pdftoppm"),
                                     {QStringLiteral("-png"), QStringLiteral("-r"),
                                      QStringLiteral("90"), pdf, folder.filePath(name)});
    std::printf("%s: %s\n", qPrintable(name), rc == 0 ? "saved" : "FAILED");
}

class WaveRing : public RingWindowSource {
  public:
    std::int32_t newestId() override { return 3000; }
    std::vector<RingRecord> readWindow(std::int32_t endId, std::int32_t count) override {
        std::vector<RingRecord> records;
        for (std::int32_t id = std::max(1, endId - count + 1); id <= endId; ++id) {
            const double moment = 46000.3 + id * 10.0 / 86400.0 + (id > 2000 ? 0.01 : 0.0);
            RingRecord r{id, std::floor(moment), moment - std::floor(moment), {}};
            for (int j = 0; j < 8; ++j) r.values[j] = float(600 + 250 * std::sin(id / 90.0 + j));
            r.values[1] = r.values[4] = float(50 + 30 * std::sin(id / 70.0));
            records.push_back(r);
        }
        return records;
    }
};

}  // namespace

int main(int argc, char** argv) {
    vt::bench::UseOffscreenUnlessChosen();
    QApplication app(argc, argv);
    const QDir folder = vt::bench::ScreenshotFolder(argc, argv);
    QTemporaryDir temporary;
    const QDir dir(argc > 2 ? QString::fromLocal8Bit(argv[2]) : temporary.path());

    BatchReportData batch = samples::SampleBatchReport(6.0, 900);
    SaveBatchReportPdf(dir.filePath(QStringLiteral("b.pdf")), batch, nullptr);
    Pictures(dir.filePath(QStringLiteral("b.pdf")), folder, QStringLiteral("report-batch"));

    batch.verdict = {VerdictKind::Fail,
                     {QStringLiteral("保温段 2：带内 3:21:00，要求 3:14:24 以上"),
                      QStringLiteral("数据覆盖率 98.6 %，低于 99 %")}};
    batch.integrity.intact = false;
    batch.integrity.firstMismatch = QStringLiteral("记录 12345（2026-12-01 11:25:45）");
    batch.signatures = {{QStringLiteral("李娜"), QStringLiteral("审核"),
                         QStringLiteral("数据已核对"), QStringLiteral("lina"),
                         QDateTime(QDate(2026, 12, 2), QTime(9, 30))}};
    SaveBatchReportPdf(dir.filePath(QStringLiteral("f.pdf")), batch, nullptr);
    Pictures(dir.filePath(QStringLiteral("f.pdf")), folder, QStringLiteral("report-batch-fail"));

    ControllerState state;
    state.YSpan = 1500;
    WaveRing ring;
    TrendEngine engine(HistoryTrendSettings(), state);
    engine.setSource(&ring);
    engine.initialise();
    engine.raiseZoom();
    engine.enterRuler();
    engine.moveRuler(7000);
    SaveTrendPagePdf(dir.filePath(QStringLiteral("t.pdf")),
                     TrendPageOf(engine, QStringLiteral("历史长周期曲线"),
                                 QStringLiteral("站 · 端口 1 · 地址 1")),
                     nullptr);
    Pictures(dir.filePath(QStringLiteral("t.pdf")), folder, QStringLiteral("report-trend-f3"));

    RingSeriesSource source(ring);
    const auto [first, last] = source.extent();
    const HistoryReportRequest request{QStringLiteral("历史报告"),
                                       QStringLiteral("站 · 端口 1 · 地址 1"),
                                       first,
                                       last,
                                       TrendHistoryPens(HistoryTrendSettings().PenNames),
                                       300.0};
    SaveHistoryReportPdf(dir.filePath(QStringLiteral("h.pdf")), BuildHistoryReport(source, request),
                         nullptr);
    Pictures(dir.filePath(QStringLiteral("h.pdf")), folder, QStringLiteral("report-history"));
    return 0;
}
