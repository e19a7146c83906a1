// Time of one tick of the overview's display timer: every readout decoded from the shared
// store and written into its label. Cases: every value changed since the last tick (with and
// without the four fault readouts appearing or going), only the numbers changed, nothing
// changed, and every value changed with the repaint of the window that follows.
// Runs on the offscreen platform unless another one is chosen. Prints median and 99th
// percentile in microseconds.
#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <vector>

#include "bench_stats.h"
#include "controller_link.h"
#include "flow_log.h"
#include "link_connection.h"
#include "overview_window.h"
#include "polling_cycle.h"
#include "port_directory.h"
#include "screenshots.h"
#include "station_database.h"

namespace {

using namespace vt;

// New values in every table the overview shows, different on every call; the fault inputs
// (which show or hide their readouts) only when `faults` is set.
void ChangeEverything(ControllerState& s, int round, bool faults) {
    const float base = static_cast<float>(round % 1000) + 0.5f;
    for (int i = 0; i < 14; ++i) s.LiveValue[i] = base + static_cast<float>(i);
    s.LiveValue[7] = static_cast<float>(round % 12);
    s.LiveValue[8] = static_cast<float>((round + 5) % 12);
    for (int i = 0; i < 16; ++i) {
        s.ActivePid[i] = round + i;
        s.ProgramStatus[i] = round + 2 * i;
        s.PidParam[i] = base * 0.1f + static_cast<float>(i);
    }
    s.ProgramStatus[0] = round % 2;
    s.ProgramStatus[7] = round % 2;
    for (int i = 1; i < 7; ++i) s.RunValue[i] = base - static_cast<float>(i);
    s.RunValue[7] = static_cast<float>(round % 2);
    for (int i = 0; i < 8; ++i) {
        s.CoilBits[i] = (round + i) % 2;
        if (i < 4 || faults) s.InputBits[i] = (round + i) % 2;
    }
}

// Times `work` for round 0, 1, ... and prints the figures of all but the first 50 rounds.
void Report(const char* what, const std::function<void(int)>& work, int runs = 2000) {
    int round = 0;
    const std::vector<double> ms = bench::TimedRuns([&] { work(round++); }, 50, runs);
    std::printf("%-42s median %8.1f us   p99 %8.1f us   (%d runs)\n", what,
                1000.0 * bench::Quantile(ms, 0.5), 1000.0 * bench::Quantile(ms, 0.99), runs);
}

}  // namespace

int main(int argc, char** argv) {
    vt::bench::UseOffscreenUnlessChosen();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const StationDatabase database(dir.filePath(QStringLiteral("Rdatabj.db")));
    database.prepare();

    ControllerState state;
    state.YSpan = 1500;
    ControllerLink link{PortDirectory()};
    PollingCycle polling(link, state);
    LinkConnection connection(link, polling, state);
    test::FlowLog flow;
    StationContext context{state,           link, polling, connection, PortDirectory(),
                           database.path(), flow};
    OverviewWindow window(context);
    window.resize(1920, 1080);
    window.show();
    app.processEvents();

    Report("refresh, every value changed", [&](int round) {
        ChangeEverything(state, round, false);
        window.refreshDisplay();
    });
    Report("refresh, every value and fault changed", [&](int round) {
        ChangeEverything(state, round, true);
        window.refreshDisplay();
    });
    Report("refresh, numbers changed", [&](int round) {
        for (int i = 0; i < 7; ++i) state.LiveValue[i] = static_cast<float>(round + i);
        for (int i = 0; i < 16; ++i) state.PidParam[i] = static_cast<float>(round + i);
        window.refreshDisplay();
    });
    Report("refresh, nothing changed", [&](int) { window.refreshDisplay(); });
    Report(
        "refresh and repaint, every value changed",
        [&](int round) {
            ChangeEverything(state, round, false);
            window.refreshDisplay();
            app.processEvents();
        },
        500);
    return 0;
}
