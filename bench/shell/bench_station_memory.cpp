// Resident memory of the running station over a long run against its simulator.
//
//   bench_station_memory VTSTATION [MINUTES=30] [SAMPLE_SECONDS=10]
//
// Starts the station with --simulate --open on a fresh database (offscreen unless a display
// is set), reads its resident set size from /proc every SAMPLE_SECONDS and prints the figures
// at every fifth minute and the growth between minute 5 and the end.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <map>

namespace {

long ResidentKiB(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: %s VTSTATION [MINUTES] [SAMPLE_SECONDS]\n", argv[0]);
        return 2;
    }
    const int minutes = args.size() > 2 ? args[2].toInt() : 30;
    const int sampleSeconds = args.size() > 3 ? args[3].toInt() : 10;
    QTemporaryDir dir;
    QProcess station;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!env.contains(QStringLiteral("DISPLAY")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    station.setProcessEnvironment(env);
    station.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    station.start(args[1], {QStringLiteral("--simulate"), QStringLiteral("--open"),
                            QStringLiteral("--database"), dir.filePath(QStringLiteral("m.db"))});
    if (!station.waitForStarted()) {
        std::fprintf(stderr, "cannot start %s\n", qPrintable(args[1]));
        return 1;
    }
    std::map<int, long> byMinute;
    QElapsedTimer clock;
    clock.start();
    std::printf("minute  rss_kib\n");
    for (int second = 0; second <= minutes * 60; second += sampleSeconds) {
        while (clock.elapsed() < second * 1000LL) QThread::msleep(200);
        if (station.state() != QProcess::Running) {
            std::fprintf(stderr, "the station ended early (exit %d)\n", station.exitCode());
            return 1;
        }
        const long rss = ResidentKiB(station.processId());
        if (second % 60 == 0) byMinute[second / 60] = rss;
        if (second % 300 == 0 || second == 60) std::printf("%6d  %7ld\n", second / 60, rss);
        std::fflush(stdout);
    }
    station.terminate();
    if (!station.waitForFinished(5000)) station.kill();
    const int from = minutes >= 10 ? 5 : 1;
    const long growth = byMinute[minutes] - byMinute[from];
    std::printf("growth minute %d -> %d: %ld KiB (%.2f MiB)\n", from, minutes, growth,
                growth / 1024.0);
    return 0;
}
