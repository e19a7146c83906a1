// Time of one full polling cycle (configuration block and the seven live blocks) through the
// controller link against the simulator with wire-time emulation, beside the wire time the
// same frames need in theory (3.5-character gaps included).
//
//   bench_poll_cycle [cycles per baud rate, default 40]

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <cstdio>
#include <vector>

#include "bench_stats.h"
#include "controller_link.h"
#include "link_jobs.h"
#include "poll_blocks.h"
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

std::vector<PollBlock> FullCycle() {
    std::vector<PollBlock> blocks{ConfigBlock()};
    blocks.insert(blocks.end(), LiveBlocks().begin(), LiveBlocks().end());
    return blocks;
}

double TheoreticalCycleSeconds(int baudCode) {
    double total = 0.0;
    for (const PollBlock& block : FullCycle()) {
        total += sim::TheoreticalWireSeconds(kRequestBytes, AnswerBytes(block), baudCode, 0);
    }
    return total;
}

// Queues one cycle's blocks, stores each reply as the polling cycle does, and returns the
// seconds until the last one is stored; negative when a block failed.
double RunCycle(ControllerLink& link, ControllerState& state) {
    const std::vector<PollBlock> blocks = FullCycle();
    QEventLoop loop;
    int left = static_cast<int>(blocks.size());
    bool failed = false;
    QElapsedTimer clock;
    clock.start();
    for (const PollBlock& block : blocks) {
        link.submit(PollJob(state, block), &loop, [&, apply = block.apply](const LinkReply& r) {
            if (r.ok()) apply(state, r.values);
            failed = failed || !r.ok();
            if (--left == 0) loop.quit();
        });
    }
    loop.exec();
    const double seconds = static_cast<double>(clock.nsecsElapsed()) * 1e-9;
    return failed ? -1.0 : seconds;
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

    RunCycle(link, state);  // warm-up
    std::vector<double> samples;
    int failures = 0;
    for (int i = 0; i < cycles; ++i) {
        const double seconds = RunCycle(link, state);
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
