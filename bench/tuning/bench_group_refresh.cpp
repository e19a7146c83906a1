// One refresh of the grouped PID table at 19200 baud, the simulator emulating the wire time:
// from the request of its two reads to the 120 value cells set and the grid painted, beside the
// wire time the two reads need in theory; once with the line to itself and once with the 500 ms
// polling cycle running, whose period is measured alongside. Every refresh finds all 120 values
// changed. Runs on the offscreen platform unless another one is chosen.
//
//   bench_group_refresh [refreshes per case, default 20]

#include <QApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench_stats.h"
#include "group_pid_window.h"
#include "screenshots.h"
#include "window_rig.h"
#include "wire_time.h"

namespace {

using namespace vt;

constexpr int kBaudCode = 2;  // 19200
constexpr int kRefreshIntervalMs = 1000;
constexpr int kRequestBytes = 8;

double TheoreticalRefreshMs() {
    double seconds = 0.0;
    for (const int count : {64, 60}) {
        seconds += sim::TheoreticalWireSeconds(kRequestBytes, 5 + 2 * count, kBaudCode, 0);
    }
    return seconds * 1000.0;
}

struct Timings {
    std::vector<double> cellsSet;  // ms from the request to the last block's cells set
    std::vector<double> painted;   // ms from the request to the grid painted
};

// New values in all 120 registers of the PID sets, different on every round.
void ChangeSets(test::WindowRig& rig, int round) {
    for (int reg = 5121; reg <= 5240; ++reg) {
        rig.line.model().setHolding(reg, static_cast<std::int16_t>(round * 7 + reg % 100));
    }
}

// Refreshes the table once a second, as its own timer does, and times each refresh.
Timings RunRefreshes(test::WindowRig& rig, GroupPidWindow& window, int rounds) {
    Timings timings;
    PeriodicRead& reads = window.reads();
    QWidget* viewport = window.grid()->viewport();
    for (int round = 1; round <= rounds; ++round) {
        ChangeSets(rig, round);
        QSignalSpy finished(&reads, &PeriodicRead::cycleFinished);
        QElapsedTimer clock;
        clock.start();
        reads.readNow();
        if (!finished.wait(10000) || finished.at(0).at(0).toInt() != 0) {
            std::fprintf(stderr, "refresh %d failed\n", round);
            continue;
        }
        timings.cellsSet.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        viewport->repaint();
        timings.painted.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        QTest::qWait(std::max(0, kRefreshIntervalMs - static_cast<int>(clock.elapsed())));
    }
    return timings;
}

void PrintRow(const char* what, const std::vector<double>& ms) {
    std::printf("  %-34s %7.1f %7.1f %7.1f %7.1f\n", what, bench::Quantile(ms, 0.0),
                bench::Quantile(ms, 0.5), bench::Quantile(ms, 0.9), bench::Quantile(ms, 1.0));
}

void PrintCase(const char* title, const Timings& timings) {
    std::printf("%s (%zu refreshes)\n", title, timings.painted.size());
    PrintRow("request -> 120 cells set", timings.cellsSet);
    PrintRow("request -> grid painted", timings.painted);
}

// Periods between the ends of consecutive polling ticks.
std::vector<double> Periods(const std::vector<double>& tickEnds) {
    std::vector<double> periods;
    for (std::size_t i = 1; i < tickEnds.size(); ++i)
        periods.push_back(tickEnds[i] - tickEnds[i - 1]);
    return periods;
}

}  // namespace

int main(int argc, char** argv) {
    bench::UseOffscreenUnlessChosen();
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(2, std::atoi(argv[1])) : 20;

    test::WindowRig rig(test::SimulatedLine::AtBaud(kBaudCode));
    rig.polling.setInterval(PollingCycle::kIntervalMs);
    if (!rig.openPort(kBaudCode)) return 1;

    GroupPidWindow window(rig.context);
    window.reads().stop();
    window.resize(1366, 768);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;

    std::printf("Grouped PID table refresh at 19200 baud, 2 reads (64 + 60 registers)\n");
    std::printf("  wire time of the two reads in theory: %.1f ms\n", TheoreticalRefreshMs());
    std::printf("  %-34s %7s %7s %7s %7s\n", "ms", "min", "median", "p90", "max");

    rig.polling.stop();
    if (!rig.waitIdle()) return 1;
    PrintCase("line to itself", RunRefreshes(rig, window, rounds));

    std::vector<double> tickEnds;
    QElapsedTimer sinceStart;
    sinceStart.start();
    QObject::connect(&rig.polling, &PollingCycle::tickFinished, [&] {
        tickEnds.push_back(static_cast<double>(sinceStart.nsecsElapsed()) / 1e6);
    });
    rig.polling.start();
    PrintCase("polling every 500 ms alongside", RunRefreshes(rig, window, rounds));
    const std::vector<double> periods = Periods(tickEnds);
    std::printf("polling period meanwhile (%zu ticks)\n", periods.size());
    PrintRow("end of one tick -> end of the next", periods);
    return 0;
}
