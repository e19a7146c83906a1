// Takes the pictures of the batch window after a program run on the simulated controller (its
// curve 300 times faster than the clock), with a part number, PV2 as load sensor, a band of ±10
// and a note: batch-window.png, and batch-window-ending.png while the ended batch waits for its
// seal; and of "历史报告" over that batch's archive: history-report-dialog.png, in the folder
// given (default docs/screenshots). Runs on the offscreen platform unless another one is chosen.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
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
        const QString path = folder.filePath(QStringLiteral("batch-window-ending.png"));
        std::printf("%s %s\n", window.grab().save(path) ? "wrote" : "could not write",
                    qPrintable(path));
    });
    if (!run.start()) return 1;
    run.recorder().setHeaderField(vt::HeaderField::Part, QStringLiteral("齿轮轴 GZ-40"), nullptr);
    run.recorder().setHeaderField(vt::HeaderField::Operator, QStringLiteral("李工"), nullptr);
    run.recorder().setLoadRule({vt::LoadSensor::Pv2, 10.0, 10.0}, nullptr);
    QTest::qWait(3000);  // a few records before the note
    run.recorder().addNote(QStringLiteral("装炉完成"));
    if (!run.waitForEnd(60000)) return 1;
    window.page()->showBatch(window.page()->batchId());
    QTest::qWait(500);
    vt::bench::SaveScreenshot(window, folder, QStringLiteral("batch-window.png"));

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
    QTest::qWait(200);
    vt::bench::SaveScreenshot(*dialog, folder, QStringLiteral("history-report-dialog.png"));
    return 0;
}
