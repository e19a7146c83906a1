// The plant link fed by the station's own parts: in process against the simulator, and the real
// station program killed with SIGKILL.
#include <gtest/gtest.h>
#include <signal.h>

#include <QJsonArray>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

#include "broker_fixture.h"
#include "link_jobs.h"
#include "plant_feed.h"
#include "plant_journal_recorder.h"
#include "plant_link.h"
#include "plant_payloads.h"
#include "window_rig.h"
#include "write_journal.h"

namespace vt {
namespace {

using test::Broker;
using test::Received;
using test::Subscriber;

PlantOptions OptionsFor(const Broker& broker, const QString& station, const QTemporaryDir& dir) {
    PlantOptions options;
    EXPECT_TRUE(ParseBrokerAddress(broker.url(), options));
    options.stationName = station;
    options.outboxPath = dir.filePath(QStringLiteral("Outbox.db"));
    return options;
}

TEST(PlantFeedTest, LiveValuesAreTheSimulatorsWithNamesUnitsAndConsecutiveSequenceNumbers) {
    Broker broker;
    ASSERT_TRUE(broker.start());
    Subscriber subscriber(broker.port(), QStringLiteral("vt5800/feed/#"));
    ASSERT_TRUE(subscriber.waitSubscribed());
    test::WindowRig rig;
    ASSERT_TRUE(rig.openPort());
    QTemporaryDir dir;
    PlantLink plant(OptionsFor(broker, QStringLiteral("feed"), dir));
    PlantFeed feed(plant, rig.state, rig.polling, rig.connection, rig.context.ports);
    plant.start();

    ASSERT_TRUE(subscriber.waitFor([&](const auto&) {
        int measured = 0;
        for (const Received& live : subscriber.on("live"))
            measured += live.body.contains(QStringLiteral("values"));
        return measured >= 3;
    }));
    const char* names[] = {"pv", "op", "sv", "pv1", "pv2", "sv1", "sv2", "alarm1"};
    std::vector<Received> lives;
    for (const Received& live : subscriber.on("live"))
        if (live.body.contains(QStringLiteral("values"))) lives.push_back(live);
    for (const Received& live : lives) {
        const QJsonArray values = live.body["values"].toArray();
        ASSERT_EQ(values.size(), 8);
        EXPECT_EQ(live.body["link"].toObject()["state"].toString(), QStringLiteral("up"));
        for (int i = 0; i < 8; ++i) {
            const QJsonObject value = values[i].toObject();
            EXPECT_EQ(value["name"].toString(), QString::fromLatin1(names[i]));
            EXPECT_FLOAT_EQ(static_cast<float>(value["value"].toDouble()), rig.state.LiveValue[i])
                << names[i];
        }
        EXPECT_EQ(values[0].toObject()["unit"].toString(), InputUnit(rig.state.Scaling, 1));
        EXPECT_EQ(values[1].toObject()["unit"].toString(), QStringLiteral("%"));
    }
    for (std::size_t i = 1; i < lives.size(); ++i)
        EXPECT_EQ(lives[i].body["seq"].toInteger(), lives[i - 1].body["seq"].toInteger() + 1);

    ASSERT_TRUE(
        subscriber.waitFor([&](const auto&) { return !subscriber.on("settings").empty(); }));
    const QJsonObject settings = subscriber.on("settings").back().body;
    EXPECT_EQ(settings["curve"].toInt(), rig.state.RunRaw[Run::CurveNumber.element]);
    EXPECT_EQ(settings["input1"].toObject()["type"].toInt(), rig.state.Scaling.Input1Type);
    const QJsonObject status = subscriber.on("status").back().body;
    EXPECT_TRUE(status["online"].toBool());
    EXPECT_EQ(status["port"].toInt(), 1);
}

TEST(PlantFeedTest, EachCompletedJournalEntryIsPublishedWithItsResult) {
    Broker broker;
    ASSERT_TRUE(broker.start());
    Subscriber subscriber(broker.port(), QStringLiteral("vt5800/journal/journal"));
    ASSERT_TRUE(subscriber.waitSubscribed());
    test::WindowRig rig;
    ASSERT_TRUE(rig.openPort());
    QTemporaryDir dir;
    PlantLink plant(OptionsFor(broker, QStringLiteral("journal"), dir));
    plant.start();
    const QString database = rig.station.database.path();
    rig.link.setWriteRecorder(
        std::make_unique<PlantJournalRecorder>(std::make_unique<WriteJournal>(database), plant));
    LinkJob job = WriteRegisterJob(rig.state, Run::Sv1.number, 2500);
    job.note = {QStringLiteral("ssqx"), QStringLiteral("SV1"), QStringLiteral("100"),
                QStringLiteral("250")};
    rig.link.submit(job, nullptr);
    ASSERT_TRUE(subscriber.waitFor([&](const auto& all) { return !all.empty(); }));
    ASSERT_TRUE(rig.waitIdle());
    const QJsonObject entry = subscriber.messages().front().body;
    EXPECT_EQ(entry["entry"].toInteger(), rig.journal().back().id);
    EXPECT_EQ(entry["kind"].toString(), QStringLiteral("register"));
    EXPECT_EQ(entry["number"].toInt(), Run::Sv1.number);
    EXPECT_EQ(entry["value"].toInt(), 2500);
    EXPECT_EQ(entry["caption"].toString(), QStringLiteral("SV1"));
    EXPECT_EQ(entry["before"].toString(), QStringLiteral("100"));
    EXPECT_EQ(entry["entered"].toString(), QStringLiteral("250"));
    EXPECT_EQ(entry["result"].toString(), QStringLiteral("written"));
    EXPECT_TRUE(entry["retryResult"].isNull());
    EXPECT_EQ(entry["seq"].toInteger(), 1);
    // The link thread lets go of the plant link before it goes.
    rig.link.setWriteRecorder(std::make_unique<WriteJournal>(database));
    ASSERT_TRUE(rig.waitIdle());
}

// The real station program on the offscreen platform with its simulator and a plant link.
class StationProcess {
  public:
    StationProcess(const Broker& broker, const QString& name, const QTemporaryDir& dir)
        : m_arguments{"--simulate", "--open",     "--database",     dir.filePath("Rdatabj.db"),
                      "--mqtt",     broker.url(), "--station-name", name} {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        m_process.setProcessEnvironment(environment);
        m_process.setProcessChannelMode(QProcess::ForwardedChannels);
    }
    ~StationProcess() { kill(); }

    bool start() {
        m_process.start(QStringLiteral(VTSTATION), m_arguments);
        return m_process.waitForStarted(10000);
    }
    void kill() {
        if (m_process.state() == QProcess::NotRunning) return;
        ::kill(static_cast<pid_t>(m_process.processId()), SIGKILL);
        m_process.waitForFinished(10000);
    }

  private:
    QStringList m_arguments;
    QProcess m_process;
};

bool Online(const std::vector<Received>& statuses, bool online) {
    return !statuses.empty() && statuses.back().body["online"].toBool() == online;
}

TEST(PlantStationTest, TheWillSaysOfflineWhenTheStationIsKilled) {
    Broker broker;
    ASSERT_TRUE(broker.start());
    Subscriber subscriber(broker.port(), QStringLiteral("vt5800/killed/#"));
    ASSERT_TRUE(subscriber.waitSubscribed());
    QTemporaryDir dir;
    StationProcess station(broker, QStringLiteral("killed"), dir);
    ASSERT_TRUE(station.start());
    ASSERT_TRUE(
        subscriber.waitFor([&](const auto&) { return Online(subscriber.on("status"), true); }));
    station.kill();
    ASSERT_TRUE(subscriber.waitFor(
        [&](const auto&) { return Online(subscriber.on("status"), false); }, 60000));
    EXPECT_TRUE(subscriber.on("status").back().body["will"].toBool());
}

// The sequence numbers of the history waiting in the outbox file.
std::vector<qint64> WaitingHistory(const QString& path) {
    std::vector<qint64> seqs;
    const QString name = QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        QSqlQuery query(db);
        if (db.open() && query.exec(QStringLiteral("select seq from outbox where topic = "
                                                   "'history' order by id"))) {
            while (query.next()) seqs.push_back(query.value(0).toLongLong());
        }
    }
    QSqlDatabase::removeDatabase(name);
    return seqs;
}

TEST(PlantStationTest, WhatTheOutboxHeldWhenTheStationWasKilledIsDeliveredAfterARestart) {
    Broker broker;
    ASSERT_TRUE(broker.start());
    Subscriber subscriber(broker.port(), QStringLiteral("vt5800/restarted/#"));
    ASSERT_TRUE(subscriber.waitSubscribed());
    QTemporaryDir dir;
    StationProcess station(broker, QStringLiteral("restarted"), dir);
    ASSERT_TRUE(station.start());
    ASSERT_TRUE(
        subscriber.waitFor([&](const auto&) { return Online(subscriber.on("status"), true); }));
    broker.stop();
    std::vector<qint64> held;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            held = WaitingHistory(dir.filePath(QStringLiteral("Outbox.db")));
            return held.size() >= 2;
        },
        60000));
    station.kill();
    held = WaitingHistory(dir.filePath(QStringLiteral("Outbox.db")));
    ASSERT_TRUE(broker.start());
    StationProcess restarted(broker, QStringLiteral("restarted"), dir);
    ASSERT_TRUE(restarted.start());
    ASSERT_TRUE(subscriber.waitFor(
        [&](const auto&) {
            const auto seen = test::FirstSeen(subscriber.on("history"));
            return seen.size() >= held.size();
        },
        60000));
    const auto seen = test::FirstSeen(subscriber.on("history"));
    EXPECT_EQ(std::vector<qint64>(seen.begin(), seen.begin() + held.size()), held);
    for (const Received& history : subscriber.on("history"))
        EXPECT_TRUE(history.body["late"].toBool());
}

}  // namespace
}  // namespace vt
