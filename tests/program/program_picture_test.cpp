#include <gtest/gtest.h>

#include <cmath>

#include "program_picture_builder.h"

namespace vt {
namespace {

// A mirror whose segments n = 1.. have the given set points and times; the rest hold the last
// set point for no time.
ProgramMirror Curve(std::vector<std::pair<std::int32_t, std::int32_t>> segments) {
    ProgramMirror mirror;
    for (int n = 1; n <= Program::SegmentCount; ++n) {
        const auto& [setPoint, time] = segments[std::min<std::size_t>(n, segments.size()) - 1];
        mirror.Segments[n][0] = setPoint;
        mirror.Segments[n][1] = n <= static_cast<int>(segments.size()) ? time : 0;
    }
    return mirror;
}

struct TimeAxisCase {
    std::vector<std::pair<std::int32_t, std::int32_t>> segments;
    std::int32_t step;
    const char* lastLabel;
};

class TimeAxisTest : public ::testing::TestWithParam<TimeAxisCase> {};

TEST_P(TimeAxisTest, StepIsTheIntegerPartOfTotalOverFifteenPlusOne) {
    const ProgramPicture picture = BuildProgramPicture(Curve(GetParam().segments), 0);
    const ProgramScales scales = ComputeProgramScales(Curve(GetParam().segments));
    EXPECT_EQ(scales.timeStep, GetParam().step);
    EXPECT_EQ(picture.timeLabels[0], QStringLiteral("0"));
    EXPECT_EQ(picture.timeLabels[1], QString::number(GetParam().step));
    EXPECT_EQ(picture.timeLabels[15], QString::fromUtf8(GetParam().lastLabel));
    EXPECT_DOUBLE_EQ(scales.horizontal, 1000.0 / GetParam().step);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TimeAxisTest,
    ::testing::Values(TimeAxisCase{{{0, 0}}, 1, "15"},  // all times 0
                      TimeAxisCase{{{100, 14}}, 1, "15"}, TimeAxisCase{{{100, 15}}, 2, "30"},
                      TimeAxisCase{{{100, 10}, {100, 20}, {50, 10}, {50, 10}}, 4, "60"},
                      TimeAxisCase{{{100, 999}, {0, 999}}, 134, "2010"},
                      TimeAxisCase{{{100, -40}}, 1, "15"}));  // a negative total never divides by 0

TEST(ProgramPicture, MinimumOnTheBottomLineAndHeadroomOfOneFifthAtTheTop) {
    // 25 .. 100: span 75, 100 drawing units per degree; total 40 min: step 3.
    const ProgramMirror mirror = Curve({{100, 10}, {100, 20}, {25, 10}});
    const ProgramPicture picture = BuildProgramPicture(mirror, 40);
    ASSERT_EQ(picture.curve.size(), 25u);
    const double h = 1000.0 / 3;
    EXPECT_EQ(picture.curve[0], QPointF(0, 9008 + 2500 - 4000));  // the start value at time 0
    EXPECT_EQ(picture.curve[1], QPointF(std::round(10 * h), 9008 + 2500 - 10000));
    EXPECT_EQ(picture.curve[2], QPointF(std::round(30 * h), 9008 + 2500 - 10000));
    EXPECT_EQ(picture.curve[3], QPointF(std::round(40 * h), 9008));  // the minimum
    EXPECT_EQ(picture.curve[24], picture.curve[3]);
    const ProgramScales scales = ComputeProgramScales(mirror);
    EXPECT_EQ(scales.y(25 + 90), 8);  // minimum + 1.2 x span
    ASSERT_EQ(picture.boundaries.size(), 24u);
    EXPECT_EQ(picture.boundaries[1], QLineF(30 * h, 0, 30 * h, 9000));
    EXPECT_EQ(picture.valueLabels[0], QStringLiteral("00025"));
    EXPECT_EQ(picture.valueLabels[9], QStringLiteral("00115"));
    EXPECT_EQ(picture.maximum, QStringLiteral("100"));
    EXPECT_EQ(picture.minimum, QStringLiteral("25"));
    EXPECT_EQ(picture.valueStep, QStringLiteral("10"));
}

TEST(ProgramPicture, ZeroSpanLiesFlatOnTheBottomUnderEqualLabelsWithStepZero) {
    for (const std::int32_t level : {0, 150, -40}) {
        // The start value lies far from the set points: it still stays in the picture.
        const ProgramPicture picture = BuildProgramPicture(Curve({{level, 30}}), level + 500);
        for (const QPointF& point : picture.curve) {
            EXPECT_TRUE(std::isfinite(point.x()));
            EXPECT_EQ(point.y(), 9008);
        }
        for (const QString& label : picture.valueLabels) EXPECT_EQ(label, ZeroPadded(level));
        EXPECT_EQ(picture.valueStep, QStringLiteral("0"));
    }
}

TEST(ProgramPicture, SpansBeyondSixteenBitsKeepTheirScale) {
    const ProgramMirror mirror = Curve({{-32768, 1}, {32767, 1}});
    const ProgramScales scales = ComputeProgramScales(mirror);
    EXPECT_EQ(scales.span, 65535);
    const ProgramPicture picture = BuildProgramPicture(mirror, 0);
    EXPECT_EQ(picture.curve[1].y(), 9008);
    EXPECT_NEAR(picture.curve[2].y(), 9008 - 9000 / 1.2, 1);
    EXPECT_EQ(picture.valueLabels[0], QStringLiteral("-32768"));
}

TEST(ProgramPicture, ValueLabelsHaveFiveDigitsAndASign) {
    EXPECT_EQ(ZeroPadded(-50), QStringLiteral("-00050"));
    EXPECT_EQ(ZeroPadded(12.5), QStringLiteral("00012"));
    EXPECT_EQ(ZeroPadded(123456), QStringLiteral("123456"));
}

}  // namespace
}  // namespace vt
