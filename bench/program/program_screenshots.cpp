// Takes the pictures of the process-program window `Tech` against the simulated controller at
// 1366x768 and 1920x1080 with an uploaded ramp/soak/ramp-down curve: program-*.png in the folder
// given (default docs/screenshots). Runs on the offscreen platform unless another one is chosen.
#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <iterator>

#include "program_model.h"
#include "program_window.h"
#include "screenshots.h"
#include "window_rig.h"

namespace {

// Segment n: set point in tenths of a degree, time in minutes. From the process at 25.0: up to
// 180.0 in 40 minutes, 60 minutes at 180.0, a slower rise to 200.0 and a short soak, then down
// to 25.0 in 50 minutes; the remaining segments hold 25.0 for no time.
constexpr int kSegments[][2] = {{1800, 40}, {1800, 60}, {2000, 15}, {2000, 20}, {250, 50}};

void LoadCurve(vt::sim::ControllerModel& controller) {
    for (int n = 1; n <= 24; ++n) {
        const int i = std::min<int>(n, std::size(kSegments)) - 1;
        const bool used = n <= static_cast<int>(std::size(kSegments));
        controller.setHolding(vt::Program::SegmentField(n, 0),
                              static_cast<std::int16_t>(kSegments[i][0]));
        controller.setHolding(vt::Program::SegmentField(n, 1),
                              static_cast<std::int16_t>(used ? kSegments[i][1] : 0));
        controller.setHolding(vt::Program::SegmentField(n, 2), used && n <= 4 ? 1 : 0);
    }
    controller.setHolding(vt::Program::Parameter(3), std::size(kSegments));
}

void Take(vt::ProgramWindow& window, QSize screen, const QDir& folder) {
    window.resize(screen);
    window.show();
    QTest::qWait(1200);
    window.refresh();
    vt::bench::SaveScreenshot(
        window, folder,
        QStringLiteral("program-%1x%2.png").arg(screen.width()).arg(screen.height()));
}

}  // namespace

int main(int argc, char** argv) {
    vt::bench::UseOffscreenUnlessChosen();
    QApplication app(argc, argv);
    const QDir folder = vt::bench::ScreenshotFolder(argc, argv);

    vt::test::WindowRig rig;
    LoadCurve(rig.line.model());
    if (!rig.openPort()) return 1;

    vt::ProgramWindow window(rig.context);
    QSignalSpy uploaded(&window.model(), &vt::ProgramModel::uploaded);
    window.upload();
    if (!uploaded.wait(10000)) return 1;
    for (const QSize screen : {QSize(1366, 768), QSize(1920, 1080)}) Take(window, screen, folder);
    return 0;
}
