// Event-loop stalls of the user-interface thread while the polling cycle runs every 500 ms:
// a 1 ms precise timer records how late each of its ticks comes. Three runs: no link at all
// (the machine's own noise), a live link (the simulator at 19200 baud with wire-time
// emulation) and a dead link (a pseudo-terminal that nobody serves, so every block waits out
// its response budget).
//
//   bench_ui_stall [seconds per run, default 20]

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <vector>

#include "bench_stats.h"
#include "controller_link.h"
#include "link_connection.h"
#include "polling_cycle.h"
#include "pseudo_terminal.h"
#include "simulator_server.h"

using namespace vt;

namespace {

constexpr int kPort = 1;
constexpr int kBaudCode = 2;

// Runs the polling cycle on `device` (none when empty) for `seconds` and prints the UI thread's
// lateness figures.
void Measure(const char* label, const std::string& device, int seconds) {
    PortDirectory ports;
    ports.setDevice(kPort, QString::fromStdString(device));
    ControllerState state;
    ControllerLink link(ports);
    PollingCycle polling(link, state);
    LinkConnection connection(link, polling, state);
    int ticks = 0;
    QObject::connect(&polling, &PollingCycle::tickFinished, [&](int) { ++ticks; });

    std::vector<double> lateness;
    QElapsedTimer clock;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    probe.setInterval(1);
    qint64 last = 0;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        lateness.push_back(std::max(0.0, static_cast<double>(now - last) * 1e-6 - 1.0));
        last = now;
    });

    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    if (!device.empty()) connection.open(kPort, kBaudCode, 0, 1);
    clock.start();
    probe.start();
    loop.exec();
    probe.stop();
    connection.close();

    std::printf(
        "%-5s  %2d s  ticks %3d  failed blocks %4d  probe samples %6zu  "
        "stall max %6.2f ms  p99 %5.2f ms\n",
        label, seconds, ticks, polling.failedBlocks(), lateness.size(),
        bench::Quantile(lateness, 1.0), bench::Quantile(lateness, 0.99));
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    std::printf("UI thread lateness of a 1 ms timer while polling every 500 ms at 19200 baud\n");
    Measure("idle", {}, seconds);
    {
        sim::SimulatorOptions options;
        options.baudCode = kBaudCode;
        options.emulateWireTime = true;
        sim::SimulatorServer server(options);
        if (!server.start()) return 1;
        Measure("live", server.devicePath(), seconds);
    }
    sim::PseudoTerminal silent;
    if (!silent.open()) return 1;
    Measure("dead", silent.slavePath(), seconds);
    return 0;
}
