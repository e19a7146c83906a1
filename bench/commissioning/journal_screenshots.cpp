// Takes the picture of the journal window after writes made through the real windows against
// the simulated controller, some of them failing on purpose: journal-window.png in the folder
// given (default docs/screenshots). Runs on the offscreen platform unless another one is chosen.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "journal_window.h"
#include "link_jobs.h"
#include "overview_window.h"
#include "pid_window.h"
#include "screenshots.h"
#include "window_rig.h"
#include "write_journal.h"

namespace {

// Types `text` into the entry `entry` of `window` and presses `button`, as the operator does.
void Enter(QWidget& window, const char* entry, const char* button, const QString& text) {
    auto* box = window.findChild<QLineEdit*>(QLatin1String(entry));
    box->setFocus();
    box->setText(text);
    window.findChild<QPushButton*>(QLatin1String(button))->click();
}

void Click(QWidget& window, const char* button) {
    window.findChild<QPushButton*>(QLatin1String(button))->click();
}

}  // namespace

int main(int argc, char** argv) {
    vt::bench::UseOffscreenUnlessChosen();
    QApplication app(argc, argv);
    const QDir folder = vt::bench::ScreenshotFolder(argc, argv);

    vt::test::WindowRig rig;
    if (!rig.openPort()) return 1;
    {
        vt::OverviewWindow overview(rig.context);
        overview.show();
        Enter(overview, "T_3RW_2", "Command11", QStringLiteral("250"));
        Click(overview, "CoilToggle_1");
        rig.waitIdle();
    }
    vt::PidWindow pid(rig.context);
    pid.show();
    QTest::qWait(1000);  // the readouts show the values before
    Enter(pid, "T_3RW_0", "Command1_0", QStringLiteral("25"));
    Enter(pid, "T_3RW_1", "Command1_1", QStringLiteral("240"));
    Enter(pid, "T_3RW_2", "Command1_2", QStringLiteral("30.5"));
    rig.waitIdle();
    rig.line.change([](vt::sim::SimulatorOptions& o) { o.exceptionHoldingRegisters = {4364}; });
    Enter(pid, "T_3RW_11", "Command1_11", QStringLiteral("5"));
    rig.waitIdle();
    rig.line.change([](vt::sim::SimulatorOptions& o) {
        o.exceptionHoldingRegisters = {};
        o.dropRate = 1.0;
    });
    Enter(pid, "T_3RW_3", "Command1_3", QStringLiteral("2"));
    rig.waitIdle();
    rig.connection.close();
    Enter(pid, "T_3RW_5", "Command1_5", QStringLiteral("30"));
    rig.waitIdle();
    // A write whose answer the station never saw (it stopped while the write was out).
    vt::LinkJob lost = vt::WriteRegisterJob(rig.state, 4354, 180);
    lost.note = {QStringLiteral("PIDC PID参数设置"), QStringLiteral("输出1积分时间"),
                 QStringLiteral("240"), QStringLiteral("180")};
    vt::WriteJournal(rig.station.database.path()).sending(lost);

    vt::JournalWindow journal(rig.context);
    journal.resize(1366, 420);
    journal.show();
    vt::bench::SaveScreenshot(journal, folder, QStringLiteral("journal-window.png"));
    return 0;
}
