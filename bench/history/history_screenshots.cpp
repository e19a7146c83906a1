// Takes the pictures of the history window and the history table over a day of plausible
// ten-second records: history-*.png and table-*.png in the folder given (default
// docs/screenshots). Runs on the offscreen platform unless another one is chosen.
#include <QApplication>
#include <QSlider>
#include <QTableView>
#include <algorithm>
#include <array>
#include <cmath>

#include "history_table_window.h"
#include "history_window.h"
#include "screenshots.h"
#include "trend_chart.h"
#include "window_rig.h"

namespace {

constexpr int kDayRecords = 8640;  // one day of ten-second records
constexpr double kStepSeconds = 10;

// Set value of the day: warm-up ramp, a long soak, and a step up eight minutes before the end.
double SetValueAt(double seconds) {
    const double hours = seconds / 3600;
    if (hours < 0.5) return 25;
    if (hours < 2) return 25 + (hours - 0.5) / 1.5 * 325;
    if (hours < 8) return 350;
    if (hours < 10) return 350 + (hours - 8) / 2 * 250;
    return seconds < kDayRecords * kStepSeconds - 8 * 60 ? 600 : 650;
}

// The controller shows one decimal place.
float Tenths(double value) { return static_cast<float>(std::round(value * 10) / 10); }

// A heated process under PI control, sampled every ten seconds.
struct Process {
    double pv = 25;
    double integral = 0;

    std::array<double, 8> step(double seconds) {
        const double sv = SetValueAt(seconds);
        const double error = sv - pv;
        integral = std::clamp(integral + error * kStepSeconds / 240, 0.0, 100.0);
        const double op = std::clamp(0.9 * error + integral, 0.0, 100.0);
        pv += (12 * op - (pv - 25)) / 600 * kStepSeconds + 0.3 * std::sin(seconds / 37);
        const double flow = 45 + 8 * std::sin(seconds / 5400);
        return {Tenths(pv),   Tenths(op), Tenths(sv), Tenths(pv + 1.5),
                Tenths(flow), Tenths(sv), 200,        0};
    }
};

}  // namespace

int main(int argc, char** argv) {
    vt::bench::UseOffscreenUnlessChosen();
    QApplication app(argc, argv);
    const QDir folder = vt::bench::ScreenshotFolder(argc, argv);

    vt::test::WindowRig rig;
    Process process;
    rig.fillTenSecondRing(
        1, kDayRecords, QDateTime(QDate(2026, 3, 16), QTime(15, 40, 0)),
        [&process](std::int32_t n, std::int32_t) { return process.step(n * kStepSeconds); });
    rig.state.LiveValue = {649.6f, 54.3f, 650, 651.1f, 41.2f, 650, 200};

    vt::HistoryWindow history(rig.context);
    history.resize(1280, 800);
    history.show();
    vt::bench::SaveScreenshot(history, folder, QStringLiteral("history-live.png"));
    for (int i = 0; i < 3; ++i) history.chart()->handleKey(Qt::Key_F1);
    history.chart()->handleKey(Qt::Key_F4);
    history.findChild<QSlider*>(QStringLiteral("hc"))->setValue(7200);
    vt::bench::SaveScreenshot(history, folder, QStringLiteral("history-zoomed-out-ruler.png"));

    vt::HistoryTableWindow table(rig.context);
    table.resize(1000, 600);
    table.show();
    vt::bench::SaveScreenshot(table, folder, QStringLiteral("table-oldest.png"));
    table.findChild<QTableView*>(QStringLiteral("DataGrid1"))->scrollToBottom();
    vt::bench::SaveScreenshot(table, folder, QStringLiteral("table-scrolled.png"));
    return 0;
}
