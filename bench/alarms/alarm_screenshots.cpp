// Takes the pictures of the alarms: the overview at 1366x768 with its alarm line, the alarm
// window `bjyl` with standing alarms in every state, and its history tab; alarm-*.png in the
// folder given (default docs/screenshots). Runs on the offscreen platform unless another one
// is chosen.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>

#include "alarm_banner.h"
#include "alarm_centre.h"
#include "alarm_history_tab.h"
#include "alarm_list_window.h"
#include "alarm_sound.h"
#include "overview_window.h"
#include "screenshots.h"
#include "window_rig.h"

using namespace vt;

namespace {

// Alarm 1 active and acknowledged, alarm 2 active, PV2 open cleared, the disk shelved.
void StandAlarms(AlarmCentre& centre) {
    AlarmInputs in;
    in.now = QDateTime::currentDateTime().addSecs(-600);
    in.linkUp = true;
    in.alarm1Type = 1;
    in.alarm2Type = 2;
    in.pvText = QStringLiteral("102.4");
    in.inputBits[0] = in.inputBits[6] = true;
    in.disk = DiskRoom{400'000'000, 100'000'000'000};
    centre.evaluate(in);
    centre.acknowledge(AlarmSource::Alarm1, QStringLiteral("张三"), QStringLiteral("已通知班长"));
    centre.shelve(AlarmSource::DiskSpace, AlarmShelf::NextShift, QStringLiteral("张三"), {});
    in.now = in.now.addSecs(300);
    in.inputBits[6] = false;
    in.inputBits[1] = true;
    centre.evaluate(in);
}

}  // namespace

int main(int argc, char** argv) {
    bench::UseOffscreenUnlessChosen();
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    const QDir folder = bench::ScreenshotFolder(argc, argv);
    test::WindowRig rig;
    AlarmCentre centre(rig.station.database.path());
    AlarmSound sound(centre, [] {});
    StandAlarms(centre);

    OverviewWindow overview(rig.context);
    overview.addStatusLine(new AlarmBanner(centre));
    overview.resize(1366, 768);
    overview.show();
    bench::SaveScreenshot(overview, folder, QStringLiteral("alarm-overview-1366x768.png"));

    AlarmListWindow window(centre, sound, rig.station.database.path());
    window.operatorBox()->setText(QStringLiteral("张三"));
    window.show();
    bench::SaveScreenshot(window, folder, QStringLiteral("alarm-list.png"));
    window.findChild<QTabWidget*>()->setCurrentIndex(1);
    bench::SaveScreenshot(window, folder, QStringLiteral("alarm-history.png"));
    return 0;
}
