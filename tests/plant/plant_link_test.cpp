#include "plant_link.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "broker_fixture.h"
#include "plant_link_view.h"

namespace vt {
namespace {

using test::Broker;
using test::Certificates;
using test::Received;
using test::Subscriber;

PlantTuning QuickRetries() {
    PlantTuning tuning;
    tuning.firstRetryMs = 200;
    tuning.maxRetryMs = 1000;
    return tuning;
}

class PlantLinkTest : public ::testing::Test {
  protected:
    PlantOptions optionsFor(const Broker& broker) {
        PlantOptions options;
        EXPECT_TRUE(ParseBrokerAddress(broker.url(), options));
        options.stationName = QStringLiteral("test");
        options.outboxPath = m_dir.filePath(QStringLiteral("Outbox.db"));
        return options;
    }
    static bool WaitConnected(const PlantLink& plant, bool connected = true) {
        return QTest::qWaitFor([&] { return plant.state().connected == connected; },
                               test::kBrokerWaitMs);
    }
    static LiveSample Measured(float pv) {
        LiveSample sample;
        sample.time = QDateTime::currentDateTime();
        sample.link = {QStringLiteral("up"), {}};
        sample.valid = true;
        sample.values = {pv, 10, 100, pv, 0, 100, 50, 0};
        return sample;
    }

    QTemporaryDir m_dir;
};

std::vector<qint64> Range(qint64 first, qint64 last) {
    std::vector<qint64> range;
    for (qint64 n = first; n <= last; ++n) range.push_back(n);
    return range;
}

TEST_F(PlantLinkTest, BrokerAwayTwentySecondsLosesNoQos1MessageAndHistoryFillsTheLiveGap) {
    Broker broker;
    ASSERT_TRUE(broker.start());
    Subscriber subscriber(broker.port(), QStringLiteral("vt5800/test/#"));
    ASSERT_TRUE(subscriber.waitSubscribed());
    PlantLink plant(optionsFor(broker), QuickRetries());
    plant.start();
    ASSERT_TRUE(WaitConnected(plant));

    int events = 0;
    QTimer eventTimer;
    QObject::connect(&eventTimer, &QTimer::timeout, [&] {
        plant.publishEvent(QStringLiteral("journal"), {{QStringLiteral("n"), ++events}});
    });
    eventTimer.start(100);
    QTimer liveTimer;
    QObject::connect(&liveTimer, &QTimer::timeout, [&] { plant.publishLive(Measured(100)); });
    liveTimer.start(1000);
    ASSERT_TRUE(QTest::qWaitFor([&] { return subscriber.on("live").size() >= 2; }, 10000));

    broker.stop();
    const QDateTime away = QDateTime::currentDateTime();
    ASSERT_TRUE(WaitConnected(plant, false));
    QTest::qWait(20000);  // the scenario: the broker stays away for 20 s
    const QDateTime back = QDateTime::currentDateTime();
    ASSERT_TRUE(broker.start());
    ASSERT_TRUE(WaitConnected(plant));
    eventTimer.stop();
    liveTimer.stop();

    ASSERT_TRUE(subscriber.waitFor([&](const auto&) {
        const auto seen = test::FirstSeen(subscriber.on("journal"));
        return !seen.empty() && seen.back() == events;
    })) << events;
    EXPECT_EQ(test::FirstSeen(subscriber.on("journal")), Range(1, events));
    const std::vector<Received> history = subscriber.on("history");
    ASSERT_GE(history.size(), 2u);
    EXPECT_EQ(test::FirstSeen(history),
              Range(1, static_cast<qint64>(test::FirstSeen(history).size())));
    QDateTime previous;
    for (const Received& message : history) {
        const QDateTime time =
            QDateTime::fromString(message.body["time"].toString(), Qt::ISODateWithMs);
        EXPECT_TRUE(message.body["late"].toBool());
        EXPECT_EQ(message.body["values"].toArray().size(), 8);
        EXPECT_GE(time, away.addSecs(-1));
        EXPECT_LE(time, back.addSecs(1));
        // One sample per ten clock seconds.
        if (previous.isValid()) {
            EXPECT_GT(time.toSecsSinceEpoch() / 10, previous.toSecsSinceEpoch() / 10);
        }
        previous = time;
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return plant.state().waiting == 0; }, 10000));
}

struct RefusalCase {
    const char* name;
    bool tls;
    bool rightCa;
    const char* password;
    bool connects;
    PlantFailure failure;
    const char* detail;  // part of the library's words for the reason
    const char* shown;   // the overview's words
};

class PlantRefusalTest : public PlantLinkTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(PlantRefusalTest, TheBrokerIsReachedOnlyWithTheRightAuthorityAndPasswordAndSaysWhyNot) {
    const RefusalCase& c = GetParam();
    Certificates certificates;
    ASSERT_TRUE(certificates.made);
    Broker::Setup setup;
    if (c.tls) setup.tls = &certificates;
    setup.user = QStringLiteral("plant");
    setup.password = QStringLiteral("right");
    Broker broker(setup);
    ASSERT_TRUE(broker.start());
    PlantOptions options = optionsFor(broker);
    if (c.tls) options.caFile = c.rightCa ? certificates.ca() : certificates.otherCa();
    options.user = QStringLiteral("plant");
    options.password = QString::fromLatin1(c.password);
    PlantLink plant(options, QuickRetries());
    plant.start();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return plant.state().connected || plant.state().failure != PlantFailure::Connecting;
        },
        test::kBrokerWaitMs));
    EXPECT_EQ(plant.state().connected, c.connects);
    EXPECT_EQ(plant.state().failure, c.failure);
    EXPECT_TRUE(plant.state().detail.contains(QString::fromLatin1(c.detail)))
        << plant.state().detail.toStdString();
    EXPECT_TRUE(PlantLinkView::Text(plant.state()).contains(QString::fromUtf8(c.shown)))
        << PlantLinkView::Text(plant.state()).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Logins, PlantRefusalTest,
    ::testing::Values(RefusalCase{"RightCa", true, true, "right", true, PlantFailure::None, "",
                                  "已连接"},
                      RefusalCase{"WrongCa", true, false, "right", false, PlantFailure::Tls,
                                  "certificate verify failed", "证书验证失败"},
                      RefusalCase{"WrongPassword", false, true, "wrong", false,
                                  PlantFailure::LoginRefused, "not authorised", "登录被拒绝"},
                      RefusalCase{"WrongPasswordOverTls", true, true, "wrong", false,
                                  PlantFailure::LoginRefused, "not authorised", "登录被拒绝"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vt
