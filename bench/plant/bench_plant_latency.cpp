// From the polling tick to a subscriber on loopback: the station's parts in process (simulator,
// link, polling every 500 ms, the plant feed and link) publish to a mosquitto broker on a free
// loopback port; a subscriber takes each live message's arrival against the time the sample was
// taken, right after its tick.
//
//   bench_plant_latency [SECONDS=60]

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "bench_stats.h"
#include "plant_bench.h"
#include "plant_feed.h"
#include "plant_link.h"
#include "window_rig.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    vt::test::Broker broker;
    if (!broker.start()) return 1;
    vt::test::Subscriber subscriber(broker.port(), QStringLiteral("vt5800/bench/live"));
    subscriber.waitSubscribed();
    vt::test::WindowRig rig;
    rig.polling.setInterval(vt::PollingCycle::kIntervalMs);
    if (!rig.openPort()) return 1;
    QTemporaryDir dir;
    vt::PlantOptions options;
    vt::ParseBrokerAddress(broker.url(), options);
    options.stationName = QStringLiteral("bench");
    options.outboxPath = dir.filePath(QStringLiteral("Outbox.db"));
    vt::PlantLink plant(options);
    vt::PlantFeed feed(plant, rig.state, rig.polling, rig.connection, rig.context.ports);
    plant.start();
    QTest::qWait(seconds * 1000);
    const std::vector<double> ms = vt::bench::Latencies(subscriber.messages());
    std::printf("polling tick to subscriber, loopback, %zu live messages in %d s\n", ms.size(),
                seconds);
    std::printf("  p50 %.2f ms   p99 %.2f ms   max %.2f ms   (goal: p99 <= 20 ms)\n",
                vt::bench::Quantile(ms, 0.5), vt::bench::Quantile(ms, 0.99),
                vt::bench::Quantile(ms, 1.0));
    return 0;
}
