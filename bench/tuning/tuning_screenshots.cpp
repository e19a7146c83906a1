// Takes the pictures of the tuning windows against the simulated controller at 1366x768:
// tuning-*.png in the folder given (default docs/screenshots). Runs on the offscreen platform
// unless another one is chosen.
#include <QApplication>
#include <QTest>

#include "alarm_window.h"
#include "group_limits_window.h"
#include "group_pid_window.h"
#include "pid_window.h"
#include "screenshots.h"
#include "window_rig.h"

namespace {

constexpr QSize kScreen{1366, 768};

// Shows the window at the screen's size once its values have come in, and saves its picture.
void Take(QWidget& window, const QDir& folder, const QString& name) {
    window.resize(kScreen);
    window.show();
    QTest::qWait(1200);
    vt::bench::SaveScreenshot(window, folder, name);
}

}  // namespace

int main(int argc, char** argv) {
    vt::bench::UseOffscreenUnlessChosen();
    QApplication app(argc, argv);
    const QDir folder = vt::bench::ScreenshotFolder(argc, argv);

    vt::test::WindowRig rig;
    if (!rig.openPort()) return 1;

    vt::PidWindow pid(rig.context);
    Take(pid, folder, QStringLiteral("tuning-pid-1366x768.png"));
    vt::AlarmWindow alarm(rig.context);
    Take(alarm, folder, QStringLiteral("tuning-alarm-1366x768.png"));
    vt::GroupPidWindow groupPid(rig.context);
    Take(groupPid, folder, QStringLiteral("tuning-group-pid-1366x768.png"));
    vt::GroupLimitsWindow groupLimits(rig.context);
    Take(groupLimits, folder, QStringLiteral("tuning-group-limits-1366x768.png"));
    return 0;
}
