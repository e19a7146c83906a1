#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>

#include "alarm_centre.h"
#include "broker_fixture.h"
#include "plant_link.h"
#include "records_fixture.h"
#include "station_wiring.h"
#include "temp_station.h"

namespace vt {
namespace {

// The station's alarms and batch records joined to a plant link on a real broker: one batch with
// an alarm during it reaches a subscriber as its start, the alarm, and its end with the seal.
TEST(PlantWiringTest, ABatchWithAnAlarmGoesOutAsStartAlarmAndSealedEnd) {
    test::Broker broker;
    ASSERT_TRUE(broker.start());
    test::Subscriber subscriber(broker.port(), QStringLiteral("vt5800/test/#"));
    ASSERT_TRUE(subscriber.waitSubscribed());
    QTemporaryDir dir;
    PlantOptions options;
    ASSERT_TRUE(ParseBrokerAddress(broker.url(), options));
    options.stationName = QStringLiteral("test");
    options.outboxPath = dir.filePath(QStringLiteral("Outbox.db"));
    PlantLink plant(options);
    plant.start();
    testing::TempStation station;
    AlarmCentre alarms(station.database.path());
    testing::RecordsFixture records;
    QObject context;
    WireStation(alarms, records.recorder(), &plant, &context);

    ASSERT_TRUE(records.recorder().startManual(records.recorder().proposal(), nullptr));
    const std::int64_t id = records.recorder().openBatch()->id;
    AlarmInputs in;
    in.now = QDateTime::currentDateTime();
    in.linkUp = true;
    in.inputBits[0] = true;
    alarms.evaluate(in);
    records.feed(3, 120.0f);
    ASSERT_TRUE(records.recorder().endBatch());

    ASSERT_TRUE(subscriber.waitFor([](const std::vector<test::Received>& got) {
        return std::count_if(got.begin(), got.end(), [](const test::Received& r) {
                   return r.topic.endsWith(QStringLiteral("/batch"));
               }) == 2;
    }));
    const auto alarm = subscriber.on(QStringLiteral("alarm"));
    ASSERT_EQ(alarm.size(), 1u);
    EXPECT_EQ(alarm[0].body.value("alarm"), "alarm1");
    EXPECT_EQ(alarm[0].body.value("transition"), "raised");
    const auto batch = subscriber.on(QStringLiteral("batch"));
    EXPECT_EQ(batch[0].body.value("event"), "start");
    EXPECT_EQ(batch[1].body.value("event"), "end");
    const BatchSummary closed = *records.recorder().store()->batch(id);
    EXPECT_EQ(batch[1].body.value("chainHead").toString(), closed.seal);
    EXPECT_EQ(batch[1].body.value("verdict").toString(), closed.verdict);
    EXPECT_EQ(batch[1].body.value("summary").toObject().value("alarms").toInt(), 1);
    EXPECT_EQ(batch[1].body.value("records").toInteger(), 3);
}

}  // namespace
}  // namespace vt
