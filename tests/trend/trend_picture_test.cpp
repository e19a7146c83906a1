// Time labels, scales, pens, gap marks and the value axis of the trend picture.
#include "day_serial.h"
#include "engine_fixture.h"

namespace vt::test {
namespace {

int SecondsOf(double fraction) {
    const ClockTime t = TimeFromDayFraction(fraction);
    return t.hour * 3600 + t.minute * 60 + t.second;
}

using PictureTest = EngineFixture;

TEST_F(PictureTest, LiveLabelsSevenAndEightAreExtrapolatedPastTheNewestRecord) {
    open(5000);
    const int newest = SecondsOf(s().TrendTime[241]);
    for (int level = 1; level <= 4; ++level) {
        const TrendPicture picture = engine.buildPicture();
        for (int i = 0; i <= 6; ++i) {
            const int row = i * level * 10 + s().FirstIndex + 1;
            EXPECT_EQ(picture.timeLabels[i].time, s().TrendTime[row]) << level << " " << i;
        }
        EXPECT_EQ(SecondsOf(picture.timeLabels[6].time), newest);
        EXPECT_EQ(SecondsOf(picture.timeLabels[7].time), newest + 10 * level);
        EXPECT_EQ(SecondsOf(picture.timeLabels[8].time), newest + 20 * level);
        engine.raiseZoom();
    }
}

TEST_F(PictureTest, ExtrapolatedLabelPastMidnightShowsTheNextDay) {
    open(241, kSomeDay + 1.0 - 245 / 86400.0);  // newest record at 23:59:55
    const TrendPicture picture = engine.buildPicture();
    EXPECT_EQ(picture.timeLabels[6].date, kSomeDay);
    EXPECT_EQ(picture.timeLabels[7].date, kSomeDay + 1);
    EXPECT_EQ(SecondsOf(picture.timeLabels[7].time), 5);
    EXPECT_EQ(SecondsOf(picture.timeLabels[8].time), 15);
}

TEST_F(PictureTest, PagedWindowTakesAllLabelsFromTheBuffer) {
    open(5000);
    engine.pageOlder();
    const TrendPicture picture = engine.buildPicture();
    EXPECT_EQ(picture.timeLabels[8].time, s().TrendTime[261]);
    EXPECT_EQ(picture.timeLabels[8].date, s().TrendDate[261]);
}

TEST_F(PictureTest, PensFollowThePenTableAndTheirScales) {
    open(5000);
    shared.YMin = -12000;
    shared.YSpan = 48000;
    const TrendPicture picture = engine.buildPicture();
    EXPECT_EQ(shared.YOffset, -1875);  // rnd(7500 / 48000 x -12000)
    const std::array<std::uint32_t, 6> colours{0x004000, 0xFF0000, 0x808000,
                                               0xFF00FF, 0xC04000, 0x0000FF};
    for (int p = 0; p < kPenCount; ++p) {
        EXPECT_EQ(picture.pens[p].rgb, colours[p]);
        EXPECT_EQ(picture.pens[p].width, p < 2 ? 2 : 1);
        ASSERT_EQ(picture.pens[p].points.size(), 61u);
    }
    // Row 240 holds record 4999: value j is 4999 + j.
    const auto y = [&](int pen) { return picture.pens[pen].points.back().y(); };
    EXPECT_EQ(y(1), 7508 - 1875 - std::lround(0.15625 * 4999));  // value axis, column 0
    EXPECT_EQ(y(2), 7508 - 625 - std::lround(62.5 * 5000));      // output axis, column 1
    EXPECT_EQ(y(4), 7508 - std::lround(62.5 * 5003));            // percent, column 4
}

TEST_F(PictureTest, ValueAxisMapsItsEndsToTheGrid) {
    TrendScales scales;
    scales.setValueAxis(1500, 0);
    EXPECT_EQ(scales.y(TrendScale::ValueAxis, 0), 7508);
    EXPECT_EQ(scales.y(TrendScale::ValueAxis, 1500), 8);
    EXPECT_EQ(scales.y(TrendScale::OutputAxis, -10), 7508);
    EXPECT_EQ(scales.y(TrendScale::OutputAxis, 110), 8);
    EXPECT_EQ(scales.y(TrendScale::Percent, 120), 8);
    scales.setValueAxis(48000, -12000);
    EXPECT_EQ(scales.y(TrendScale::ValueAxis, -12000), 7508);
    EXPECT_EQ(scales.y(TrendScale::ValueAxis, 36000), 8);
    scales.setValueAxis(0, 100);  // no factor from a zero span: the last one stays
    EXPECT_EQ(scales.valueOffset(), 16);
    EXPECT_EQ(scales.y(TrendScale::ValueAxis, 100), 7508);
}

TEST(HistoryPicture, ThirdPenUsesThePercentScaleAndLabelsStepTenTimesFurther) {
    ControllerState shared;
    shared.YSpan = 1500;
    MemoryRing ring;
    ring.write(5000, kSomeDay + 0.5, 10);
    TrendEngine engine(HistoryTrendSettings(), shared);
    engine.setSource(&ring);
    engine.initialise();
    engine.raiseZoom();  // "F1 缩小": level 2
    const TrendPicture picture = engine.buildPicture();
    const int newest = SecondsOf(engine.state().TrendTime[241]);
    EXPECT_EQ(SecondsOf(picture.timeLabels[7].time), newest + 200);
    EXPECT_EQ(SecondsOf(picture.timeLabels[8].time), newest + 400);
    const float output = engine.state().TrendValue[240][1];
    EXPECT_EQ(picture.pens[2].points.back().y(), 7508 - std::lround(62.5 * output));
    EXPECT_TRUE(engine.lowerZoom());
    EXPECT_FALSE(engine.lowerZoom());  // "F2 放大" refused at level 1
}

TEST_F(PictureTest, GapMarksAreDrawnUpToTheRowBeforeMarkIndex) {
    ring.write(100, kSomeDay + 0.5);
    ring.write(141, kSomeDay + 0.51);  // rows 1 and 101 are marked
    engine.initialise();
    EXPECT_TRUE(engine.buildPicture().gapMarks.empty());  // level 1 starts at row 181
    while (engine.raiseZoom()) {
    }
    const TrendPicture picture = engine.buildPicture();
    ASSERT_EQ(picture.gapMarks.size(), 2u);
    EXPECT_EQ(picture.gapMarks[0], QLineF(37.5, 0, 37.5, 9000));
    EXPECT_EQ(picture.gapMarks[1].x1(), 101 * 37.5);
}

// A fresh ring: the records that exist, the newest at row 241, and the labels of the rows
// before them counted back one record interval per row.
TEST_F(PictureTest, RingOfTenRecordsDrawsOnlyThemAndNoZeroDate) {
    open(10);  // 12:00:00 .. 12:00:09
    const int newest = SecondsOf(s().TrendTime[241]);
    for (int level = 1; level <= 4; ++level) {
        const TrendPicture picture = engine.buildPicture();
        for (int i = 0; i < kTimeLabelCount; ++i) {
            const TrendStamp& label = picture.timeLabels[i];
            ASSERT_TRUE(label.known);
            EXPECT_EQ(label.date, kSomeDay) << level << " " << i;
            const int row = i * level * 10 + s().FirstIndex + 1;
            const int expected = i < 7 ? newest - (241 - row) : newest + (i - 6) * 10 * level;
            EXPECT_EQ(SecondsOf(label.time), expected) << level << " " << i;
        }
        for (const TrendPolyline& pen : picture.pens) {
            ASSERT_EQ(pen.points.size(), 9u);  // rows 232 .. 240
            EXPECT_EQ(pen.points.front().x(), (232 - s().FirstIndex) * s().SampleStep);
        }
        ASSERT_EQ(picture.gapMarks.size(), 1u);
        EXPECT_EQ(picture.gapMarks[0].x1(), (232 - s().FirstIndex) * s().SampleStep);
        engine.raiseZoom();
    }
}

TEST_F(PictureTest, EmptyRingDrawsNothingAndKnowsNoTime) {
    engine.initialise();
    const TrendPicture picture = engine.buildPicture();
    for (const TrendStamp& label : picture.timeLabels) EXPECT_FALSE(label.known);
    for (const TrendPolyline& pen : picture.pens) EXPECT_TRUE(pen.points.empty());
    EXPECT_TRUE(picture.gapMarks.empty());
    engine.enterRuler();
    engine.moveRuler(9000);
    EXPECT_FALSE(engine.rulerReading().recorded);
    EXPECT_FALSE(engine.rulerReading().moment.known);
}

TEST_F(PictureTest, ValueAxisAcceptsOnlyTheDocumentedRange) {
    EXPECT_TRUE(engine.changeValueAxis(36000, -12000));
    EXPECT_EQ(shared.YMax, 36000);
    EXPECT_EQ(shared.YMin, -12000);
    EXPECT_EQ(shared.YSpan, 48000);
    EXPECT_EQ(engine.valueAxisLabels(),
              (std::array<std::int32_t, 7>{-12000, -4000, 4000, 12000, 20000, 28000, 36000}));

    EXPECT_FALSE(engine.changeValueAxis(36001, 0));
    EXPECT_FALSE(engine.changeValueAxis(-12001, -12001));
    EXPECT_FALSE(engine.changeValueAxis(36000, 35001));
    EXPECT_FALSE(engine.changeValueAxis(100, -12001));
    EXPECT_FALSE(engine.changeValueAxis(100, 200));  // minimum above maximum
    EXPECT_FALSE(engine.changeValueAxis(500, 500));  // no span
    EXPECT_EQ(shared.YSpan, 48000);

    EXPECT_TRUE(engine.changeValueAxis(100.6, 0.4));
    EXPECT_EQ(shared.YMax, 101);
    EXPECT_EQ(shared.YMin, 0);
    EXPECT_EQ(shared.YSpan, 101);
    EXPECT_EQ(engine.valueAxisLabels()[1], 17);  // rnd(16.83)
}

}  // namespace
}  // namespace vt::test
