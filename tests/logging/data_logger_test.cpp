#include "data_logger.h"

#include <gtest/gtest.h>

#include <QSqlQuery>
#include <QTest>

#include "clock_reading.h"
#include "ring_fixture.h"
#include "temp_station.h"

using namespace vt;
using vt::testing::Positions;
using vt::testing::RecordsByTime;

namespace {

class DataLoggerTest : public ::testing::Test {
  protected:
    DataLogger& logger() {
        if (!m_logger) m_logger = std::make_unique<DataLogger>(m_state, m_station.database.path());
        return *m_logger;
    }
    // A new logger on the same file, as after a restart of the station.
    void restart() {
        m_logger.reset();
        m_state = ControllerState{};
    }
    QSqlDatabase db() const { return m_station.check.database(); }
    std::vector<std::int32_t> ids(Ring ring) const {
        std::vector<std::int32_t> result;
        for (const RingRecord& record : RecordsByTime(db(), ring)) result.push_back(record.id);
        return result;
    }

    vt::testing::TempStation m_station;
    ControllerState m_state;
    std::unique_ptr<DataLogger> m_logger;
    const QDateTime m_t0 = vt::testing::FixtureStart();
};

}  // namespace

TEST_F(DataLoggerTest, FirstTickWritesLiveValuesToBothRingsAndPositions) {
    for (int i = 0; i < 9; ++i) m_state.LiveValue[i] = 10.5f * (i + 1);
    logger().tick(m_t0);
    const auto records = RecordsByTime(db(), Ring::Second);
    ASSERT_EQ(records.size(), 1u);
    const ClockReading at = ReadClock(m_t0);
    EXPECT_EQ(records[0].id, 1);
    EXPECT_EQ(records[0].date, at.date);
    EXPECT_EQ(records[0].time, at.time);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(records[0].values[i], 10.5f * (i + 1));
    EXPECT_EQ(RecordsByTime(db(), Ring::TenSecond).size(), 1u);
    EXPECT_EQ(Positions(db()), (std::array<std::int32_t, 4>{1, 1, 1, 1}));
    EXPECT_EQ(m_state.PvLastDate, at.date);
    EXPECT_EQ(m_state.LpvLastTime, at.time);
}

TEST_F(DataLoggerTest, RingWrapsFrom65499Through65500To1) {
    vt::testing::SetPositions(db(), 65499, 0);
    logger().tick(m_t0);
    logger().tick(m_t0.addSecs(1));
    EXPECT_EQ(ids(Ring::Second), (std::vector<std::int32_t>{65500, 1}));
    EXPECT_EQ(Positions(db())[0], 1);
    EXPECT_EQ(Positions(db())[1], 1);
}

TEST_F(DataLoggerTest, FullRingOverwritesId1AfterPositions65500) {
    vt::testing::FillRing(db(), Ring::Second, 1, kRingCapacity, m_t0, 1);
    vt::testing::FillRing(db(), Ring::TenSecond, 1, kRingCapacity, m_t0, 10);
    m_state.LiveValue[0] = -7.25f;
    logger().tick(m_t0.addDays(30));
    const auto records = RecordsByTime(db(), Ring::Second);
    ASSERT_EQ(records.size(), static_cast<size_t>(kRingCapacity));
    EXPECT_EQ(records.back().id, 1);
    EXPECT_EQ(records.back().values[0], -7.25f);
    EXPECT_EQ(records.front().id, 2);
    EXPECT_EQ(Positions(db()), (std::array<std::int32_t, 4>{1, 1, 1, 1}));
}

TEST_F(DataLoggerTest, TicksWithinOneClockSecondWriteOneRecord) {
    const QDateTime second = m_t0.addMSecs(100);
    for (int ms : {0, 300, 800}) logger().tick(second.addMSecs(ms));
    EXPECT_EQ(ids(Ring::Second).size(), 1u);
    logger().tick(m_t0.addSecs(1));
    EXPECT_EQ(ids(Ring::Second).size(), 2u);
}

TEST_F(DataLoggerTest, ClockSetBackAnHourWritesAtOnce) {
    logger().tick(m_t0);
    logger().tick(m_t0.addSecs(-3600));
    const auto records = RecordsByTime(db(), Ring::Second);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].id, 2);  // the later record holds the earlier time
    EXPECT_EQ(RecordsByTime(db(), Ring::TenSecond).size(), 2u);
}

TEST_F(DataLoggerTest, RecordsKeepTheirIntervalsWhenTicksComeLateOrUneven) {
    QDateTime now = m_t0.addMSecs(450);
    for (int n = 0; n < 900; ++n) {
        now = now.addMSecs(n % 97 == 0 ? 2300 : 100 + n % 3 * 7);  // a busy station now and then
        logger().tick(now);
    }
    for (const auto& [ring, interval] : {std::pair{Ring::Second, 1}, {Ring::TenSecond, 10}}) {
        const auto records = RecordsByTime(db(), ring);
        ASSERT_GT(records.size(), 5u);
        for (size_t i = 1; i < records.size(); ++i) {
            const ClockReading at{records[i].date, records[i].time};
            EXPECT_GE(WholeSecondsBetween(records[i - 1].date, records[i - 1].time, at), interval)
                << "record " << i;
        }
    }
}

TEST_F(DataLoggerTest, RestartContinuesAfterTheNewestRecord) {
    for (int s = 0; s < 12; ++s) logger().tick(m_t0.addSecs(s));
    restart();
    logger().tick(m_t0.addSecs(20));
    EXPECT_EQ(ids(Ring::Second).back(), 13);
    EXPECT_EQ(ids(Ring::TenSecond), (std::vector<std::int32_t>{1, 2, 3}));
}

TEST_F(DataLoggerTest, SampleFlagsAreRaisedOnlyWhileATrendWindowIsLoaded) {
    logger().tick(m_t0);
    EXPECT_FALSE(m_state.NewSampleFlag);
    EXPECT_FALSE(m_state.NewHistorySampleFlag);
    m_state.TrendWindowOpen = true;
    logger().tick(m_t0.addSecs(1));
    EXPECT_TRUE(m_state.NewSampleFlag);
    EXPECT_FALSE(m_state.NewHistorySampleFlag);
    logger().tick(m_t0.addSecs(10));
    EXPECT_TRUE(m_state.NewHistorySampleFlag);
}

TEST_F(DataLoggerTest, WritesWhileAnotherConnectionIsInTheMiddleOfARead) {
    vt::testing::FillRing(db(), Ring::Second, 1, 500, m_t0, 1);
    QSqlQuery grid(db());
    grid.setForwardOnly(true);
    ASSERT_TRUE(grid.exec(QStringLiteral("select * from pv_data")) && grid.next());
    logger().tick(m_t0.addDays(1));
    EXPECT_EQ(logger().writer().newestId(Ring::Second), 501);
    EXPECT_EQ(logger().writer().newestId(Ring::TenSecond), 1);
}

TEST_F(DataLoggerTest, NothingIsWrittenWhileTheLinkIsDownAndTheFirstTickAfterWrites) {
    bool live = true;
    logger().setLiveCheck([&live] { return live; });
    logger().tick(m_t0);
    live = false;
    for (int s = 1; s <= 30; ++s) logger().tick(m_t0.addSecs(s));
    EXPECT_EQ(ids(Ring::Second), (std::vector<std::int32_t>{1}));
    EXPECT_EQ(ids(Ring::TenSecond), (std::vector<std::int32_t>{1}));
    live = true;
    logger().tick(m_t0.addMSecs(30'500));
    const auto records = RecordsByTime(db(), Ring::Second);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].time, ReadClock(m_t0.addSecs(30)).time);
    EXPECT_EQ(ids(Ring::TenSecond), (std::vector<std::int32_t>{1, 2}));
}

TEST_F(DataLoggerTest, TimerLogsOnTheSystemClock) {
    logger().start();
    EXPECT_TRUE(logger().isRunning());
    EXPECT_TRUE(QTest::qWaitFor([&] { return Positions(db())[0] >= 2; }, 10000));
    EXPECT_TRUE(logger().isRunning());
}
