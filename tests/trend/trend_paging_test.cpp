// Paging through the ring and the ruler of the trend engine.
#include "engine_fixture.h"

namespace vt::test {
namespace {

using PagingTest = EngineFixture;

TEST_F(PagingTest, PagesOlderAndNewerInStepsOf60) {
    open(5000);
    ASSERT_TRUE(engine.pageOlder());
    EXPECT_EQ(s().PageBack, 1);
    EXPECT_EQ(ring.requests.back(), std::make_pair(4940, 321));
    EXPECT_EQ(s().PageEndId, 4940);
    EXPECT_EQ(s().WriteIndex, 321);
    EXPECT_EQ(s().MarkIndex, 321);
    EXPECT_EQ(idAt(321), 4940);
    EXPECT_EQ(idAt(1), 4620);
    EXPECT_TRUE(engine.displayPaused());
    EXPECT_TRUE(engine.canPageNewer());

    engine.pageOlder();
    EXPECT_EQ(s().LoadEndId, 4880);
    ring.write(10, kSomeDay + 0.6);  // the logger goes on; paged windows keep their NewestId
    engine.pageNewer();
    EXPECT_EQ(s().LoadEndId, 4940);
    EXPECT_TRUE(engine.displayPaused());

    engine.pageNewer();
    EXPECT_EQ(s().PageBack, 0);
    EXPECT_EQ(s().LoadCount, 241);
    EXPECT_EQ(s().NewestId, 5010);
    EXPECT_EQ(idAt(241), 5010);
    EXPECT_FALSE(engine.displayPaused());
    EXPECT_FALSE(engine.canPageNewer());
}

TEST_F(PagingTest, OldestPageIsRefusedAndTheNextNewerReloadsTheShownPage) {
    open(700);
    for (int page = 1; page <= 6; ++page) ASSERT_TRUE(engine.pageOlder()) << page;
    ASSERT_EQ(s().LoadEndId, 340);
    const int loads = engine.windowLoads();

    EXPECT_FALSE(engine.pageOlder());  // its end would be record 280
    EXPECT_TRUE(s().OldestReached);
    EXPECT_FALSE(engine.canPageOlder());
    EXPECT_EQ(s().PageBack, 7);
    EXPECT_EQ(s().LoadEndId, 340);
    EXPECT_EQ(engine.windowLoads(), loads);
    EXPECT_FALSE(engine.pageOlder());
    EXPECT_EQ(s().PageBack, 7);

    engine.pageNewer();
    EXPECT_EQ(s().PageBack, 6);
    EXPECT_EQ(s().LoadEndId, 340);
    EXPECT_EQ(engine.windowLoads(), loads + 1);
    EXPECT_FALSE(s().OldestReached);
}

TEST_F(PagingTest, RefusalOnTheLiveWindowKeepsItAndReturningAllowsPagingAgain) {
    open(300);
    EXPECT_FALSE(engine.pageOlder());
    EXPECT_EQ(s().LoadCount, 241);  // labels 7 and 8 stay extrapolated
    EXPECT_TRUE(engine.displayPaused());
    ring.write(200, kSomeDay + 0.6);
    engine.pageNewer();
    EXPECT_FALSE(engine.displayPaused());
    EXPECT_TRUE(engine.canPageOlder());
    EXPECT_TRUE(engine.pageOlder());
    EXPECT_EQ(s().LoadEndId, 440);
}

TEST_F(PagingTest, PagesAcrossTheWrapOfTheRing) {
    open(kRingCapacity + 30);
    ASSERT_TRUE(engine.pageOlder());
    EXPECT_EQ(s().LoadEndId, 65470);
    EXPECT_EQ(s().LoadStartId, 65149);
    EXPECT_EQ(idAt(321), 65470);

    ring.write(30, kSomeDay + 0.6);  // newest id 60: a page back ends on the last id
    engine.pageNewer();
    ASSERT_TRUE(engine.pageOlder());
    EXPECT_EQ(s().LoadEndId, 65500);
    EXPECT_EQ(idAt(321), 65500);
}

TEST_F(PagingTest, PagingBackAWholeRingIsRefused) {
    open(kRingCapacity + 30);
    int pages = 0;
    while (engine.pageOlder()) {
        ++pages;
        ASSERT_GT(s().LoadEndId, 321);
    }
    EXPECT_EQ(pages, 1086);
    EXPECT_TRUE(s().OldestReached);
}

TEST_F(PagingTest, RulerPagesAtBothEndsOfTheSlider) {
    open(5000);
    engine.enterRuler();
    EXPECT_TRUE(engine.displayPaused());
    EXPECT_FALSE(engine.moveRuler(kSliderMax));  // nothing newer than the live window
    EXPECT_EQ(s().PageBack, 0);
    EXPECT_TRUE(engine.moveRuler(kSliderMin));
    EXPECT_TRUE(engine.moveRuler(kSliderMin));
    EXPECT_EQ(s().PageBack, 2);
    EXPECT_TRUE(engine.moveRuler(kSliderMax));
    EXPECT_EQ(s().PageBack, 1);
    const RulerLine& line = engine.rulerLine();
    EXPECT_EQ(line.x, kSliderMax);
    EXPECT_EQ(line.bottom, 7500);
    EXPECT_EQ(line.rgb, kRulerMoveRgb);
    EXPECT_TRUE(engine.moveRuler(kSliderMax));
    EXPECT_EQ(s().PageBack, 0);
    EXPECT_TRUE(engine.displayPaused());  // the ruler is still on
}

TEST_F(PagingTest, RulerAtMinusOneIsRefusedOnceTheOldestPageIsReached) {
    open(350);
    engine.enterRuler();
    EXPECT_FALSE(engine.moveRuler(kSliderMin));
    EXPECT_TRUE(s().OldestReached);
    EXPECT_EQ(s().PageBack, 1);
    engine.moveRuler(0);
    EXPECT_FALSE(engine.moveRuler(kSliderMin));
    EXPECT_EQ(s().PageBack, 1);
}

TEST_F(PagingTest, RulerReadsTheRowUnderIt) {
    open(5000);
    engine.enterRuler();
    EXPECT_EQ(engine.rulerLine().rgb, kRulerEnterRgb);
    engine.moveRuler(9000);  // row 9000 / 150 + 180
    RulerReading reading = engine.rulerReading();
    EXPECT_EQ(reading.values[0], 4999.0f);
    EXPECT_EQ(reading.values[5], 5004.0f);
    EXPECT_EQ(reading.moment.date, s().TrendDate[240]);
    EXPECT_EQ(reading.moment.time, s().TrendTime[240]);
    engine.moveRuler(75);  // half a sample rounds to the even row 180
    EXPECT_EQ(engine.rulerReading().values[0], static_cast<float>(ring.newestId() - 61));
    engine.raiseZoom();
    engine.raiseZoom();
    engine.raiseZoom();
    engine.moveRuler(37);  // level 4: row 1
    EXPECT_EQ(engine.rulerReading().values[0], 4760.0f);
}

TEST_F(PagingTest, LeavingTheRulerWhilePagedBackKeepsPageBack) {
    open(5000);
    engine.pageOlder();
    engine.pageOlder();
    engine.enterRuler();
    engine.leaveRuler();
    EXPECT_EQ(engine.rulerLine().rgb, kRulerLeaveRgb);
    EXPECT_EQ(s().LoadCount, 241);
    EXPECT_EQ(idAt(241), 5000);
    EXPECT_EQ(s().PageBack, 2);
    EXPECT_FALSE(engine.displayPaused());  // live appends run again
    EXPECT_TRUE(engine.canPageNewer());
    engine.pageNewer();
    EXPECT_EQ(s().PageBack, 1);
    EXPECT_EQ(s().LoadEndId, 4940);
    EXPECT_TRUE(engine.displayPaused());
}

}  // namespace
}  // namespace vt::test
