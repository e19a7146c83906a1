// Takes the pictures of the overview at 1920x1080 and 1366x768 with the simulated controller
// heating towards its set value and ten minutes of one-second records behind the trend:
// overview-*.png in the folder given (default docs/screenshots). Runs on the offscreen platform
// unless another one is chosen.
#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <algorithm>
#include <cmath>

#include "overview_window.h"
#include "ring_fixture.h"
#include "screenshots.h"
#include "window_rig.h"

namespace {

constexpr int kRecords = 600;

// The last ten minutes of a heat-up towards 100 degrees, one record a second.
std::array<double, 8> HeatUp(std::int32_t id) {
    const double t = std::max(0, id - (kRecords - 50));  // heating starts 50 s ago
    const double pv = 100 - 75 * std::exp(-t / 12) + 0.4 * std::sin(t / 3);
    const double op = t > 0 ? 20 + 80 * std::exp(-t / 10) : 0.0;
    std::array<double, 8> values = {pv, op, 100, pv + 0.6, 40 + 3 * std::sin(t / 60), 100, 50, 0};
    for (double& value : values) value = std::round(value * 10) / 10;
    return values;
}

void FillRecords(const QSqlDatabase& db, const QDateTime& end) {
    vt::testing::FillRing(db, vt::Ring::Second, 1, kRecords, end.addSecs(1 - kRecords), 1,
                          [](std::int32_t, std::int32_t id) { return HeatUp(id); });
}

void Save(QWidget& window, const QSize& size, const QDir& folder) {
    window.resize(size);
    vt::bench::SaveScreenshot(
        window, folder, QStringLiteral("overview-%1x%2.png").arg(size.width()).arg(size.height()));
}

}  // namespace

int main(int argc, char** argv) {
    vt::bench::UseOffscreenUnlessChosen();
    QApplication app(argc, argv);
    const QDir folder = vt::bench::ScreenshotFolder(argc, argv);

    vt::sim::SimulatorOptions options;
    options.timeFactor = 200;
    vt::test::WindowRig rig(options);
    rig.state.YSpan = 150;  // a value axis of 0 .. 150 degrees
    FillRecords(rig.station.check.database(), QDateTime::currentDateTime());

    vt::OverviewWindow overview(rig.context);
    overview.show();
    overview.findChild<QComboBox*>(QStringLiteral("Combo1"))->setCurrentIndex(0);
    overview.findChild<QComboBox*>(QStringLiteral("Combo2"))->setCurrentIndex(0);
    overview.openWithCurrentSettings();
    // A few seconds of polling: the readouts fill and the process moves on.
    QTest::qWait(3000);
    Save(overview, {1920, 1080}, folder);
    Save(overview, {1366, 768}, folder);
    return 0;
}
