// Two figures of the link's newer paths, printed side by side:
//
// 1. Replug: the station polls the simulator every 500 ms through a device link (as a USB
//    adapter's node); the simulator stops and its link goes (unplug), stays away for a while,
//    then comes back at the same path (replug). Measured: the time from the device reappearing
//    to the end of the first polling tick whose every block answered, over the cycles. The time
//    away varies by a fraction of the polling interval from cycle to cycle, so the replugs fall
//    at every point of the tick.
// 2. Polling cycle over Modbus TCP on the loopback beside the serial cycle at 115200 baud: the
//    full cycle (configuration and live blocks) queued at once, against the same simulator, over
//    its terminal with wire-time emulation, over TCP, and over TCP with the serial wire time of
//    a device server's line at 115200 baud.
//
//   bench_replug_tcp [replug cycles, default 10] [seconds unplugged at least, default 2]
//                    [polling cycles per path, default 40]

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench_stats.h"
#include "controller_link.h"
#include "link_connection.h"
#include "link_jobs.h"
#include "poll_cycle_run.h"
#include "polling_cycle.h"
#include "simulator_server.h"

using namespace vt;

namespace {

constexpr int kSerialPort = 1;
constexpr int kTcpPort = 2;
constexpr int kBaudCode = 5;  // 115200
constexpr int kSlave = 1;
constexpr int kWaitMs = 30000;
constexpr int kStaggerMs = 173;  // prime to the polling interval

sim::SimulatorOptions FrozenLine(bool wireTime) {
    sim::SimulatorOptions options;
    options.baudCode = kBaudCode;
    options.emulateWireTime = wireTime;
    options.runProcess = false;
    return options;
}

void PrintRow(const char* label, const std::vector<double>& seconds, int failed) {
    std::printf("  %-38s n %3d (failed %d)  median %8.1f ms  min %8.1f ms  max %8.1f ms\n", label,
                static_cast<int>(seconds.size()), failed, bench::Quantile(seconds, 0.5) * 1e3,
                bench::Quantile(seconds, 0.0) * 1e3, bench::Quantile(seconds, 1.0) * 1e3);
}

// Replug cycles against the link stack as the station runs it (500 ms polling).
void MeasureReplug(int cycles, int unpluggedSeconds) {
    QTemporaryDir dir;
    const std::string device = dir.filePath(QStringLiteral("ttyVT")).toStdString();
    sim::SimulatorServer server(FrozenLine(false));
    if (!server.start() || !server.addLink(device)) {
        std::printf("cannot start the simulator\n");
        return;
    }
    PortDirectory ports;
    ports.setDevice(kSerialPort, QString::fromStdString(device));
    ControllerState state;
    ControllerLink link(ports);
    PollingCycle polling(link, state);
    LinkConnection connection(link, polling, state);
    std::vector<int> failedPerTick;
    QObject::connect(&polling, &PollingCycle::tickFinished,
                     [&](int failed) { failedPerTick.push_back(failed); });
    const auto goodTickAfter = [&](std::size_t from) {
        for (std::size_t i = from; i < failedPerTick.size(); ++i) {
            if (failedPerTick[i] == 0) return true;
        }
        return false;
    };
    connection.open(kSerialPort, kBaudCode, 0, kSlave);
    if (!QTest::qWaitFor([&] { return goodTickAfter(0); }, kWaitMs)) {
        std::printf("no first poll\n");
        return;
    }

    std::vector<double> recovery;
    int failed = 0;
    for (int i = 0; i < cycles; ++i) {
        server.stop();  // the device node goes with it
        QTest::qWait(unpluggedSeconds * 1000 + i * kStaggerMs % PollingCycle::kIntervalMs);
        QElapsedTimer back;
        if (!server.start() || !server.addLink(device)) break;
        back.start();
        const std::size_t from = failedPerTick.size();
        if (QTest::qWaitFor([&] { return goodTickAfter(from); }, kWaitMs)) {
            recovery.push_back(static_cast<double>(back.nsecsElapsed()) * 1e-9);
        } else {
            ++failed;
        }
    }
    connection.close();
    std::printf("device reappearing -> first good poll (polling every %d ms, %d s+ unplugged)\n",
                PollingCycle::kIntervalMs, unpluggedSeconds);
    PrintRow("replug at the same path", recovery, failed);
}

// Full polling cycles on one port of a running link.
void MeasureCycles(const char* label, ControllerLink& link, int port, int cycles) {
    ControllerState state;
    state.LinkSettings[PortNumber] = port;
    state.LinkSettings[SlaveAddress] = kSlave;
    link.submit(OpenJob(port, kBaudCode, 0), nullptr);
    bench::RunCycle(link, state);  // warm-up
    std::vector<double> samples;
    int failed = 0;
    for (int i = 0; i < cycles; ++i) {
        const double seconds = bench::RunCycle(link, state);
        if (seconds < 0)
            ++failed;
        else
            samples.push_back(seconds);
    }
    PrintRow(label, samples, failed);
}

void MeasureTcpBesideSerial(int cycles) {
    sim::SimulatorServer server(FrozenLine(true));
    if (!server.listenTcp(0) || !server.start()) {
        std::printf("cannot start the simulator\n");
        return;
    }
    PortDirectory ports;
    ports.setDevice(kSerialPort, QString::fromStdString(server.devicePath()));
    ports.setDevice(kTcpPort, QStringLiteral("tcp://127.0.0.1:%1").arg(server.tcpPort()));
    ControllerLink link(ports);
    std::printf("one full polling cycle: 8 blocks, queued at once\n");
    MeasureCycles("serial 115200 baud (wire time)", link, kSerialPort, cycles);
    MeasureCycles("TCP loopback + 115200 line (wire time)", link, kTcpPort, cycles);
    server.setOptions(FrozenLine(false));
    MeasureCycles("TCP loopback", link, kTcpPort, cycles);
}

int Argument(int argc, char** argv, int index, int fallback) {
    return argc > index ? std::max(1, std::atoi(argv[index])) : fallback;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    MeasureReplug(Argument(argc, argv, 1, 10), Argument(argc, argv, 2, 2));
    MeasureTcpBesideSerial(Argument(argc, argv, 3, 40));
    return 0;
}
