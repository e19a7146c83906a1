// Twenty stations' traffic into one broker: STATIONS plant links in one process, each with its
// own outbox, publish live values once a second and EVENTS journal messages a second to one
// mosquitto broker on a free loopback port for SECONDS; a subscriber to every station takes
// each message's arrival against its own time. Prints the broker's CPU over the run and the
// end-to-end figures.
//
//   bench_plant_stations [STATIONS=20] [SECONDS=60] [EVENTS=2]

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "bench_stats.h"
#include "plant_bench.h"
#include "plant_link.h"

namespace {

vt::LiveSample Sample() {
    vt::LiveSample sample;
    sample.time = QDateTime::currentDateTime();
    sample.link = {QStringLiteral("up"), {}};
    sample.valid = true;
    sample.values = {100.3f, 15, 100, 100.3f, 0, 100, 50, 0};
    return sample;
}

void Print(const char* what, const std::vector<double>& ms) {
    std::printf("  %-8s %6zu messages  p50 %6.2f ms  p99 %6.2f ms  max %7.2f ms\n", what, ms.size(),
                vt::bench::Quantile(ms, 0.5), vt::bench::Quantile(ms, 0.99),
                vt::bench::Quantile(ms, 1.0));
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int stations = argc > 1 ? std::atoi(argv[1]) : 20;
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 60;
    const int events = argc > 3 ? std::atoi(argv[3]) : 2;
    vt::test::Broker broker;
    if (!broker.start()) return 1;
    vt::test::Subscriber subscriber(broker.port(), QStringLiteral("vt5800/+/+"));
    subscriber.waitSubscribed();
    QTemporaryDir dir;
    std::vector<std::unique_ptr<vt::PlantLink>> links;
    for (int i = 0; i < stations; ++i) {
        vt::PlantOptions options;
        vt::ParseBrokerAddress(broker.url(), options);
        options.stationName = QStringLiteral("furnace-%1").arg(i + 1);
        options.outboxPath = dir.filePath(options.stationName + QStringLiteral(".db"));
        links.push_back(std::make_unique<vt::PlantLink>(options));
        links.back()->start();
    }
    const bool connected = QTest::qWaitFor(
        [&] {
            for (const auto& link : links)
                if (!link->state().connected) return false;
            return true;
        },
        30000);
    if (!connected) std::fprintf(stderr, "not every station reached the broker\n");
    const double brokerBefore = vt::bench::ProcessCpuSeconds(broker.pid());
    QTimer live;
    QObject::connect(&live, &QTimer::timeout, [&] {
        for (const auto& link : links) link->publishLive(Sample());
    });
    live.start(1000);
    QTimer journal;
    int entry = 0;
    QObject::connect(&journal, &QTimer::timeout, [&] {
        ++entry;
        for (const auto& link : links)
            link->publishEvent(QStringLiteral("journal"), {{"entry", entry}});
    });
    if (events > 0) journal.start(1000 / events);
    QTest::qWait(seconds * 1000);
    live.stop();
    journal.stop();
    QTest::qWait(2000);  // the last messages on their way
    const double brokerCpu = vt::bench::ProcessCpuSeconds(broker.pid()) - brokerBefore;
    std::vector<double> liveMs;
    std::vector<double> journalMs;
    for (const vt::test::Received& message : subscriber.messages()) {
        if (message.topic.endsWith(QStringLiteral("/live")))
            liveMs.push_back(vt::bench::LatencyMs(message));
        if (message.topic.endsWith(QStringLiteral("/journal")))
            journalMs.push_back(vt::bench::LatencyMs(message));
    }
    std::printf("%d stations into one broker for %d s (live 1/s and journal %d/s each)\n", stations,
                seconds, events);
    std::printf("  broker CPU %.2f %% of one core\n", 100.0 * brokerCpu / (seconds + 2));
    Print("live", liveMs);
    Print("journal", journalMs);
    std::vector<double> all = liveMs;
    all.insert(all.end(), journalMs.begin(), journalMs.end());
    Print("all", all);
    return 0;
}
