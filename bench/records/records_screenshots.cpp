// Takes the pictures of the batch window after a program run on the simulated controller (its
// curve 300 times faster than the clock), with a part number, PV2 as load sensor, a band of ±10
// and a note: batch-window.png, batch-window-ending.png while the ended batch waits for its
// seal, and batch-window-reading.png while "校验" and "打印报告" read it; and of "历史报告" over
// that batch's archive: history-report-dialog.png, and history-report-making.png while the
// report is made, in the folder given (default docs/screenshots). Runs on the offscreen platform
// unless another one is chosen.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "batch_archives.h"
#include "batch_page.h"
#include "batch_window.h"
#include "history_report_command.h"
#include "program_run.h"
#include "screenshots.h"
#include "trend_settings.h"

namespace {

// The picture of `window` as it stands, without a turn of the event loop.
void GrabNow(QWidget& window, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name);
    std::printf("%s %s\n", window.grab().save(path) ? "wrote" : "could not write",
                qPrintable(path));
}

}  // namespace

int main(int argc, char** argv) {
    vt::bench::UseOffscreenUnlessChosen();
    QApplication app(argc, argv);
    const QDir folder = vt::bench::ScreenshotFolder(argc, argv);
    constexpr double kTimeFactor = 300.0;
    vt::test::WindowRig rig(vt::testing::RunningController(kTimeFactor));
    QTemporaryDir dir;
    vt::testing::ProgramRun run(rig, dir.filePath(QStringLiteral("Records.db")), kTimeFactor);
    vt::BatchWindow window(run.recorder());
    window.show();
    bool endingShown = false;
    QObject::connect(&run.recorder(), &vt::BatchRecorder::batchesChanged, &window, [&] {
        if (endingShown || !run.recorder().sealing()) return;
        endingShown = true;
        // At once: the seal comes within moments.
        GrabNow(window, folder, QStringLiteral("batch-window-ending.png"));
    });
    if (!run.start()) return 1;
    run.recorder().setHeaderField(vt::HeaderField::Part, QStringLiteral("齿轮轴 GZ-40"), nullptr);
    run.recorder().setHeaderField(vt::HeaderField::Operator, QStringLiteral("李工"), nullptr);
    run.recorder().setLoadRule({vt::LoadSensor::Pv2, 10.0, 10.0}, nullptr);
    QTest::qWait(3000);  // a few records before the note
    run.recorder().addNote(QStringLiteral("装炉完成"));
    if (!run.waitForEnd(60000)) return 1;
    vt::BatchPage& page = *window.page();
    page.showBatch(page.batchId());
    auto* facts = page.findChild<QLabel*>(QStringLiteral("BatchFacts"));
    if (!QTest::qWaitFor([&] { return facts->text().contains(QStringLiteral("覆盖率")); }, 10000))
        return 1;
    vt::bench::SaveScreenshot(window, folder, QStringLiteral("batch-window.png"));
    // Pictured before the event loop can bring either result.
    auto* check = page.findChild<QPushButton*>(QStringLiteral("CommandVerify"));
    check->click();
    page.findChild<QPushButton*>(QStringLiteral("CommandPrintReport"))->click();
    GrabNow(window, folder, QStringLiteral("batch-window-reading.png"));
    const auto preview = [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QStringLiteral("BatchPrintPreview") && w->isVisible()) return w;
        return static_cast<QWidget*>(nullptr);
    };
    if (!QTest::qWaitFor([&] { return check->isEnabled() && preview(); }, 10000)) return 1;
    preview()->close();

    vt::BatchArchives archives(run.recorder());
    vt::HistoryReportRequest request;
    request.title = QStringLiteral("历史报告");
    request.pens = vt::TrendHistoryPens(vt::HistoryTrendSettings().PenNames);
    vt::HistoryReportCommand report(
        window, [] { return nullptr; }, request, &archives);
    report.run();
    auto* dialog = window.findChild<QDialog*>(QStringLiteral("HistoryReportDialog"));
    if (!dialog) return 1;
    dialog->findChild<QComboBox*>(QStringLiteral("ReportSource"))->setCurrentIndex(1);
    vt::bench::SaveScreenshot(*dialog, folder, QStringLiteral("history-report-dialog.png"));
    dialog->findChild<QPushButton*>(QStringLiteral("HistoryReportPrint"))->click();
    GrabNow(*dialog, folder, QStringLiteral("history-report-making.png"));
    return 0;
}
