// Draining a full outbox: COUNT journal messages committed to an outbox file while no broker
// was there, then a plant link connecting to a mosquitto broker on a free loopback port sends
// them all; timed from the start of the link until the outbox is empty and a subscriber has
// every one. Once at the station's pace (500 messages a second at most) for PACED messages,
// once without a pace limit for COUNT.
//
//   bench_outbox_drain [COUNT=100000] [PACED=10000]

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QVariant>
#include <cstdio>

#include "outbox.h"
#include "plant_bench.h"
#include "plant_link.h"

namespace {

// COUNT messages on `journal` with sequence numbers 1..COUNT, written in one transaction.
bool FillOutbox(const QString& path, int count) {
    {
        vt::Outbox outbox(path);
        if (!outbox.open()) return false;
    }
    bool filled = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "fill");
        db.setDatabaseName(path);
        db.open();
        db.transaction();
        QSqlQuery insert(db);
        insert.prepare(
            "insert into outbox (topic, seq, created, payload) values ('journal', ?, ?, ?)");
        const QDateTime now = QDateTime::currentDateTime();
        for (int seq = 1; seq <= count; ++seq) {
            const QJsonObject body{{"entry", seq},       {"window", "PIDC PID参数设置"},
                                   {"kind", "register"}, {"number", 4354},
                                   {"caption", "积分1"}, {"value", 120},
                                   {"entered", "120"},   {"result", "written"}};
            insert.addBindValue(seq);
            insert.addBindValue(now.toMSecsSinceEpoch());
            insert.addBindValue(vt::CompactJson(vt::Stamped(body, now, seq)));
            insert.exec();
        }
        QSqlQuery(db).exec(QStringLiteral("insert or replace into sequence values ('journal', %1)")
                               .arg(count + 1));
        filled = db.commit();
    }
    QSqlDatabase::removeDatabase("fill");
    return filled;
}

void Drain(int count, int perSecond, const char* label) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Outbox.db"));
    if (!FillOutbox(path, count)) return;
    vt::test::Broker broker;
    if (!broker.start()) return;
    vt::test::Subscriber subscriber(broker.port(), QStringLiteral("vt5800/drain/journal"));
    subscriber.waitSubscribed();
    vt::PlantOptions options;
    vt::ParseBrokerAddress(broker.url(), options);
    options.stationName = QStringLiteral("drain");
    options.outboxPath = path;
    vt::PlantTuning tuning;
    tuning.drainPerSecond = perSecond;
    QElapsedTimer clock;
    clock.start();
    vt::PlantLink plant(options, tuning);
    plant.start();
    const bool done = QTest::qWaitFor(
        [&] {
            return plant.state().connected && plant.state().waiting == 0 &&
                   subscriber.messages().size() >= static_cast<std::size_t>(count);
        },
        3600 * 1000);
    const double seconds = clock.elapsed() / 1000.0;
    std::printf("  %-28s %7d messages  %8.1f s  %9.0f messages/s%s\n", label, count, seconds,
                count / seconds, done ? "" : "  (not finished)");
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int paced = argc > 2 ? std::atoi(argv[2]) : 10000;
    std::printf("draining an outbox to a broker on loopback (window 64 unacknowledged)\n");
    Drain(paced, vt::PlantTuning{}.drainPerSecond, "station pace (500/s)");
    Drain(count, 1000000, "no pace limit");
    return 0;
}
