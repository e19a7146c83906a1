// Figures for the history windows on a full ten-second ring (65,500 records): how long the
// table window takes to show its first rows, how long the history window takes to be drawn,
// and how long a CSV export of the whole ring takes, directly and in the window's steps.
#include <QApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "history_table_window.h"
#include "history_window.h"
#include "ring_csv_exporter.h"
#include "ring_table_model.h"
#include "screenshots.h"
#include "window_rig.h"

namespace {

constexpr int kRuns = 5;

void Report(const char* what, const char* target, const std::function<double()>& run) {
    std::vector<double> ms;
    for (int i = 0; i < kRuns; ++i) ms.push_back(run());
    std::sort(ms.begin(), ms.end());
    std::printf("%-44s median %8.1f ms  max %8.1f ms  (target %s)\n", what, ms[kRuns / 2],
                ms.back(), target);
}

double Elapsed(const QElapsedTimer& timer) { return timer.nsecsElapsed() / 1e6; }

}  // namespace

int main(int argc, char** argv) {
    vt::bench::UseOffscreenUnlessChosen();
    QApplication app(argc, argv);
    vt::test::WindowRig rig;
    rig.fillTenSecondRing(1234, vt::kRingCapacity, QDateTime::currentDateTime());
    const QString csv = rig.station.dir.filePath(QStringLiteral("ring.csv"));

    Report("table window: first rows painted", "300 ms", [&] {
        QElapsedTimer timer;
        timer.start();
        vt::HistoryTableWindow window(rig.context);
        window.show();
        window.repaint();
        return Elapsed(timer);
    });
    Report("table window: every row fetched", "-", [&] {
        vt::HistoryTableWindow window(rig.context);
        QElapsedTimer timer;
        timer.start();
        while (window.model()->canFetchMore({})) window.model()->fetchMore({});
        return Elapsed(timer);
    });
    Report("history window: loaded and drawn", "100 ms", [&] {
        QElapsedTimer timer;
        timer.start();
        vt::HistoryWindow window(rig.context);
        window.resize(1280, 800);
        window.show();
        window.repaint();
        return Elapsed(timer);
    });
    Report("CSV export of the full ring", "2000 ms", [&] {
        QElapsedTimer timer;
        timer.start();
        vt::RingCsvExporter(rig.station.database.path(), csv).run();
        return Elapsed(timer);
    });
    Report("CSV export from the table window", "2000 ms", [&] {
        vt::HistoryTableWindow window(rig.context);
        window.show();
        QSignalSpy finished(&window, &vt::HistoryTableWindow::exportFinished);
        QElapsedTimer timer;
        timer.start();
        window.exportTo(csv);
        finished.wait(60000);
        return Elapsed(timer);
    });
    return 0;
}
