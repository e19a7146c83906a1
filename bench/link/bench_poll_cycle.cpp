// Time of one full polling cycle (configuration block and the seven live blocks) through the
// controller link against the simulator with wire-time emulation, beside the wire time the
// same frames need in theory (3.5-character gaps included).
//
//   bench_poll_cycle [cycles per baud rate, default 40]

#include <QCoreApplication>
#include <cstdio>
#include <vector>

#include "bench_stats.h"
#include "controller_link.h"
#include "link_jobs.h"
#include "poll_blocks.h"
#include "poll_cycle_run.h"
#include "simulator_server.h"
#include "wire_time.h"

using namespace vt;

namespace {

constexpr int kPort = 1;
constexpr int kRequestBytes = 8;

int AnswerBytes(const PollBlock& block) {
    const bool packed = block.op == LinkOp::ReadDiscrete16 || block.op == LinkOp::ReadCoils16;
    return 5 + (packed ? 2 : 2 * block.count);
}

double TheoreticalCycleSeconds(int baudCode) {
    double total = 0.0;
    for (const PollBlock& block : bench::FullCycle()) {
        total += sim::TheoreticalWireSeconds(kRequestBytes, AnswerBytes(block), baudCode, 0);
    }
    return total;
}

void Measure(int baudCode, int cycles) {
    sim::SimulatorOptions options;
    options.baudCode = baudCode;
    options.emulateWireTime = true;
    options.runProcess = false;
    sim::SimulatorServer server(options);
    if (!server.start()) {
        std::printf("cannot start the simulator\n");
        return;
    }
    PortDirectory ports;
    ports.setDevice(kPort, QString::fromStdString(server.devicePath()));
    ControllerLink link(ports);
    ControllerState state;
    state.LinkSettings[PortNumber] = kPort;
    state.LinkSettings[SlaveAddress] = options.slaveAddress;
    link.submit(OpenJob(kPort, baudCode, 0), nullptr);

    bench::RunCycle(link, state);  // warm-up
    std::vector<double> samples;
    int failures = 0;
    for (int i = 0; i < cycles; ++i) {
        const double seconds = bench::RunCycle(link, state);
        if (seconds < 0)
            ++failures;
        else
            samples.push_back(seconds);
    }
    const double theory = TheoreticalCycleSeconds(baudCode);
    const double median = bench::Quantile(samples, 0.5);
    const double p99 = bench::Quantile(samples, 0.99);
    std::printf(
        "%7d baud  cycles %3d (failed %d)  median %7.2f ms  p99 %7.2f ms  "
        "theory %7.2f ms  ratio median %.3f  p99 %.3f\n",
        sim::BaudRateOfCode(baudCode), static_cast<int>(samples.size()), failures, median * 1e3,
        p99 * 1e3, theory * 1e3, median / theory, p99 / theory);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int cycles = argc > 1 ? std::max(1, std::atoi(argv[1])) : 40;
    std::printf("one polling cycle: 8 blocks (configuration included), 8N1\n");
    for (int baudCode : {2, 5}) Measure(baudCode, cycles);
    return 0;
}
