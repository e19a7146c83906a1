// An outage of the link as the history keeps it: no record while the controller is silent, and
// the trend marks the first record after it as following a gap.
#include <gtest/gtest.h>

#include <QTest>

#include "data_logger.h"
#include "ring_fixture.h"
#include "ring_reader.h"
#include "trend_engine.h"
#include "window_rig.h"

namespace vt::test {
namespace {

constexpr int kOutageSeconds = 400;  // beyond the trend's five-minute gap

bool WaitFor(const std::function<bool()>& condition) { return QTest::qWaitFor(condition, kWaitMs); }

TEST(OutageHistory, DeadLinkWritesNoRecordAndTheFirstGoodTickAfterItFollowsAGap) {
    WindowRig rig;
    DataLogger logger(rig.state, rig.station.database.path());
    logger.setLiveCheck([&rig] { return rig.polling.status().up(); });
    const QDateTime t0 = vt::testing::FixtureStart();
    const auto records = [&] {
        return vt::testing::RecordsByTime(rig.station.check.database(), Ring::Second);
    };

    logger.tick(t0);
    EXPECT_TRUE(records().empty());  // the port is closed
    ASSERT_TRUE(rig.openPort());
    logger.tick(t0.addSecs(1));
    ASSERT_EQ(records().size(), 1u);

    rig.line.change([](sim::SimulatorOptions& o) { o.dropRate = 1.0; });
    ASSERT_TRUE(WaitFor([&] { return rig.polling.status().down(); }));
    for (int s = 2; s < kOutageSeconds; ++s) logger.tick(t0.addSecs(s));
    EXPECT_EQ(records().size(), 1u);

    rig.line.change([](sim::SimulatorOptions& o) { o.dropRate = 0.0; });
    ASSERT_TRUE(WaitFor([&] { return rig.polling.status().up(); }));
    logger.tick(t0.addSecs(kOutageSeconds));
    ASSERT_EQ(records().size(), 2u);

    RingReader reader(rig.station.check.database(), Ring::Second);
    TrendEngine trend(OverviewTrendSettings(), rig.state);
    trend.setSource(&reader);
    trend.initialise();
    EXPECT_EQ(trend.state().TrendValue[kLiveRow][0], records()[1].values[0]);
    EXPECT_EQ(trend.state().GapMark[kLiveRow], kLiveRow);
}

}  // namespace
}  // namespace vt::test
