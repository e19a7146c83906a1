// Window loads, gap marks, zoom and live appends of the trend engine.
#include "engine_fixture.h"

namespace vt::test {
namespace {

using LoadTest = EngineFixture;

TEST_F(LoadTest, LiveLoadPutsTheNewest241RecordsInRows1To241) {
    open(5000);
    ASSERT_EQ(ring.requests.back(), std::make_pair(5000, 241));
    EXPECT_EQ(s().NewestId, 5000);
    EXPECT_EQ(s().LoadStartId, 4759);
    EXPECT_EQ(idAt(1), 4760);
    EXPECT_EQ(idAt(241), 5000);
    EXPECT_EQ(idAt(242), 0);
    EXPECT_EQ(s().TrendValue[241][7], 5007.0f);
    EXPECT_EQ(s().WriteIndex, 241);
    EXPECT_EQ(s().MarkIndex, 241);
}

TEST_F(LoadTest, WrappedLoadIsChronologicalAcrossTheLastId) {
    open(kRingCapacity + 100);
    ASSERT_EQ(s().NewestId, 100);
    EXPECT_EQ(s().LoadStartId, 65359);
    EXPECT_EQ(idAt(1), 65360);
    EXPECT_EQ(idAt(141), 65500);
    EXPECT_EQ(idAt(142), 1);
    EXPECT_EQ(idAt(241), 100);
    for (int row = 2; row <= 241; ++row) EXPECT_EQ(s().GapMark[row], 0) << row;
}

TEST_F(LoadTest, FewerRecordsThanTheWindowFillItsLastRows) {
    open(100);
    EXPECT_EQ(s().LoadStartId, 65359);
    EXPECT_EQ(s().FirstRecordRow, 142);
    EXPECT_EQ(idAt(141), 0);
    EXPECT_EQ(idAt(142), 1);
    EXPECT_EQ(idAt(241), 100);  // the newest record at its usual place
    EXPECT_EQ(s().GapMark[141], 0);
    EXPECT_EQ(s().GapMark[142], 142);  // nothing before the oldest record
    EXPECT_EQ(s().GapMark[143], 0);
    EXPECT_TRUE(append(3.0f));
    EXPECT_EQ(s().TrendValue[242][0], 3.0f);
}

TEST_F(LoadTest, GapMarksFollowJumpsInTime) {
    ring.write(100, kSomeDay + 60 / 86400.0);   // from 00:01:00
    ring.write(141, kSomeDay + 760 / 86400.0);  // ten minutes later
    engine.initialise();
    EXPECT_EQ(s().GapMark[1], 0);  // within five minutes after midnight
    EXPECT_EQ(s().GapMark[101], 101);
    for (int row = 2; row <= 241; ++row) {
        if (row != 101) {
            EXPECT_EQ(s().GapMark[row], 0) << row;
        }
    }

    ring.write(241, kSomeDay + 1.0 - 100 / 86400.0);  // across midnight
    engine.liveLoad();
    EXPECT_EQ(s().GapMark[101], 101);
    EXPECT_EQ(s().GapMark[100], 0);
}

TEST_F(LoadTest, ZoomTablePutsRow240AtTheNineThousandLine) {
    open(5000);
    const std::array<std::pair<float, int>, 4> table{{{150, 180}, {75, 120}, {50, 60}, {37.5, 0}}};
    for (int level = 1; level <= 4; ++level) {
        EXPECT_EQ(s().ZoomLevel, level);
        EXPECT_EQ(s().SampleStep, table[level - 1].first);
        EXPECT_EQ(s().FirstIndex, table[level - 1].second);
        // Pens end at row WriteIndex - 1 = 240 on the x = 9000 grid line.
        const TrendPicture picture = engine.buildPicture();
        const auto& points = picture.pens[1].points;
        const int rowZero = s().FirstIndex == 0 ? 1 : 0;  // never holds a record
        ASSERT_EQ(static_cast<int>(points.size()), 60 * level + 1 - rowZero);
        EXPECT_EQ(points.back().x(), 9000.0);
        EXPECT_EQ(engine.sliderStep(),
                  level == 1 ? kInitialSliderStep : std::lround(s().SampleStep));
        engine.raiseZoom();
    }
    EXPECT_FALSE(engine.raiseZoom());
    EXPECT_EQ(s().ZoomLevel, 4);
}

class ReloadTest : public EngineFixture, public ::testing::WithParamInterface<int> {};

TEST_P(ReloadTest, LiveWindowReloadsWhenTheSampleWouldPassTheRightEdge) {
    const int level = GetParam();
    open(5000);
    while (s().ZoomLevel < level) engine.raiseZoom();
    const int room = 20 * level;  // rows 242 .. 240 + 20 x ZoomLevel
    for (int k = 1; k < room; ++k) ASSERT_TRUE(append(static_cast<float>(k)));
    EXPECT_EQ(s().WriteIndex, 240 + room);
    EXPECT_EQ(s().TrendValue[240 + room][0], static_cast<float>(room - 1));
    const int loads = engine.windowLoads();

    append(-1.0f);  // row 241 + 20 x ZoomLevel: 261 at level 1, 321 at level 4
    EXPECT_EQ(engine.windowLoads(), loads + 1);
    EXPECT_EQ(s().WriteIndex, 241);
    EXPECT_EQ(s().MarkIndex, 241);
    EXPECT_EQ(s().NewestId, 5000 + room);
    EXPECT_EQ(idAt(241), 5000 + room);
    EXPECT_EQ(s().TrendValue[241 + room][0], 0.0f);
}

INSTANTIATE_TEST_SUITE_P(ZoomLevels, ReloadTest, ::testing::Values(1, 2, 3, 4));

TEST_F(LoadTest, LoweringTheZoomLevelPastTheReloadRowReloadsAtOnce) {
    open(5000);
    while (engine.raiseZoom()) {
    }
    for (int k = 0; k < 59; ++k) append(1.0f);  // MarkIndex 300
    engine.lowerZoom();                         // level 3 reloads at row 301
    EXPECT_EQ(s().MarkIndex, 300);
    append(1.0f);
    EXPECT_EQ(s().MarkIndex, 241);

    engine.raiseZoom();  // level 4 again
    for (int k = 0; k < 70; ++k) append(1.0f);
    ASSERT_EQ(s().MarkIndex, 311);
    const int loads = engine.windowLoads();
    engine.lowerZoom();  // level 3 reloads at row 301: reached
    EXPECT_EQ(engine.windowLoads(), loads + 1);
    EXPECT_EQ(s().MarkIndex, 241);
}

TEST_F(LoadTest, LiveAppendsAreIgnoredWhileTheRulerIsOn) {
    open(5000);
    engine.enterRuler();
    EXPECT_FALSE(append(7.0f));
    EXPECT_EQ(s().WriteIndex, 241);
    engine.leaveRuler();
    EXPECT_TRUE(append(7.0f));
    EXPECT_EQ(s().TrendValue[242][5], 7.0f);
}

TEST_F(LoadTest, LiveSampleAfterAnOutageIsMarkedAtOnce) {
    open(241, kSomeDay + 0.5);  // up to 12:04:00; the fixture's samples come at 18:00
    EXPECT_TRUE(append(1.0f));
    EXPECT_TRUE(append(2.0f));
    EXPECT_EQ(s().GapMark[242], 242);
    EXPECT_EQ(s().GapMark[243], 0);
}

TEST_F(LoadTest, WithoutASourceEveryRowStaysZero) {
    TrendEngine bare(OverviewTrendSettings(), shared);
    bare.initialise();
    EXPECT_EQ(bare.state().NewestId, 0);
    EXPECT_EQ(bare.state().TrendValue[241][0], 0.0f);
    EXPECT_EQ(bare.state().GapMark[1], 0);
}

}  // namespace
}  // namespace vt::test
