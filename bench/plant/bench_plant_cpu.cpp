// CPU of the running station with the plant link off and on, side by side: the station with
// --simulate --open (offscreen) on a fresh database, once without and once with --mqtt to a
// mosquitto broker on a free loopback port; after a warm-up its CPU time is read from /proc over
// the measuring window.
//
//   bench_plant_cpu VTSTATION [SECONDS=60] [WARMUP_SECONDS=10]

#include <signal.h>

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "plant_bench.h"

namespace {

// Percent of one core the station used over `seconds` after `warmup` seconds.
double StationCpu(const QString& station, const QStringList& extra, int warmup, int seconds) {
    QTemporaryDir dir;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!environment.contains(QStringLiteral("DISPLAY")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(station, QStringList{"--simulate", "--open", "--database",
                                       dir.filePath(QStringLiteral("Rdatabj.db"))} +
                               extra);
    if (!process.waitForStarted(10000)) return -1.0;
    QTest::qWait(warmup * 1000);
    const double before = vt::bench::ProcessCpuSeconds(process.processId());
    QTest::qWait(seconds * 1000);
    const double after = vt::bench::ProcessCpuSeconds(process.processId());
    process.terminate();
    if (!process.waitForFinished(10000)) process.kill();
    return 100.0 * (after - before) / seconds;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s VTSTATION [SECONDS] [WARMUP_SECONDS]\n", argv[0]);
        return 2;
    }
    const QString station = QString::fromLocal8Bit(argv[1]);
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 60;
    const int warmup = argc > 3 ? std::atoi(argv[3]) : 10;
    vt::test::Broker broker;
    if (!broker.start()) return 1;
    const double off = StationCpu(station, {}, warmup, seconds);
    const double on = StationCpu(station, {"--mqtt", broker.url(), "--station-name", "cpu-bench"},
                                 warmup, seconds);
    const double brokerCpu = vt::bench::ProcessCpuSeconds(broker.pid());
    std::printf("station CPU over %d s after %d s warm-up (%% of one core)\n", seconds, warmup);
    std::printf("  plant link off   %6.3f %%\n  plant link on    %6.3f %%\n", off, on);
    std::printf("  difference       %6.3f %%   (goal: <= 0.2 %%)\n", on - off);
    std::printf("  broker CPU time over the whole run: %.2f s\n", brokerCpu);
    return 0;
}
