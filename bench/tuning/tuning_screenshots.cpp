// Takes the pictures of the tuning windows against the simulated controller at 1366x768:
// tuning-*.png in the folder given (default docs/screenshots). Runs on the offscreen platform
// unless another one is chosen.
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <functional>

#include "alarm_window.h"
#include "controller_map.h"
#include "group_limits_window.h"
#include "group_pid_window.h"
#include "pid_window.h"
#include "screenshots.h"
#include "window_rig.h"

namespace {

constexpr QSize kScreen{1366, 768};

// Shows the window at the screen's size once its values have come in, lets `operate` act as
// the operator would, and saves its picture.
void Take(QWidget& window, const QDir& folder, const QString& name,
          const std::function<void()>& operate = {}) {
    window.resize(kScreen);
    window.show();
    QTest::qWait(1200);
    if (operate) {
        operate();
        QTest::qWait(200);
    }
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
    // The cooling derivative time of set 1 being edited in the overlay box.
    vt::GroupPidWindow groupPid(rig.context);
    Take(groupPid, folder, QStringLiteral("tuning-group-pid-1366x768.png"),
         [&] { groupPid.grid()->startEdit(6, 1); });
    // Grouping by PV, the upper limit of group 2 being edited.
    rig.line.model().setHolding(vt::Group::Mode, 1);
    vt::GroupLimitsWindow groupLimits(rig.context);
    Take(groupLimits, folder, QStringLiteral("tuning-group-limits-1366x768.png"), [&] {
        groupLimits.grid()->startEdit(2, 2);
        groupLimits.grid()->editBox()->setText(QStringLiteral("85"));
    });
    return 0;
}
