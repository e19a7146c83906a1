// The chart picture both the batch page and the paper draw: scales, grids, lines, marks, gaps.
#include <gtest/gtest.h>

#include "chart_picture_builder.h"

namespace vt {
namespace {

const QDateTime kStart(QDate(2026, 12, 1), QTime(8, 0, 5));

ReportChartData Planned(double low, double high) {
    ReportChartData chart;
    chart.start = kStart;
    chart.spanSeconds = 100.0;
    chart.planned = {{0.0, low}, {100.0, high}};
    return chart;
}

QStringList Texts(const std::vector<ChartTick>& ticks) {
    QStringList texts;
    for (const ChartTick& t : ticks) texts << t.text;
    return texts;
}

struct ValueCase {
    double low;
    double high;
    QStringList labels;
};

class ChartValueAxisTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ChartValueAxisTest, RoundStepsInsideTheRangeHigherValuesHigherUp) {
    const ChartPicture picture = BuildChartPicture(Planned(GetParam().low, GetParam().high));
    EXPECT_EQ(Texts(picture.valueTicks), GetParam().labels);
    for (std::size_t i = 1; i < picture.valueTicks.size(); ++i)
        EXPECT_LT(picture.valueTicks[i].at, picture.valueTicks[i - 1].at);
    for (const ChartTick& t : picture.valueTicks) {
        EXPECT_GE(t.at, 0.0);
        EXPECT_LE(t.at, 1.0);
    }
}

INSTANTIATE_TEST_SUITE_P(Ranges, ChartValueAxisTest,
                         ::testing::Values(
                             // 5 % margin: -5..105, steps of 20.
                             ValueCase{0.0, 100.0, {"0", "20", "40", "60", "80", "100"}},
                             // Narrow ranges get a margin of 1; zero stays "0".
                             ValueCase{-0.3, 0.3, {"-1", "-0.5", "0", "0.5", "1"}},
                             ValueCase{850.0, 850.0, {"849", "849.5", "850", "850.5", "851"}}));

struct TimeCase {
    double span;
    double step;
    const char* firstLabel;
    double firstX;
};

class ChartTimeAxisTest : public ::testing::TestWithParam<TimeCase> {};

TEST_P(ChartTimeAxisTest, AtMostEightLinesOnRoundLocalTimes) {
    EXPECT_EQ(ChartTimeStep(GetParam().span), GetParam().step);
    ReportChartData chart = Planned(0, 1);
    chart.spanSeconds = GetParam().span;
    const ChartPicture picture = BuildChartPicture(chart);
    ASSERT_FALSE(picture.timeTicks.empty());
    EXPECT_LE(picture.timeTicks.size(), 9u);
    EXPECT_EQ(picture.timeTicks.front().text, QString::fromUtf8(GetParam().firstLabel));
    EXPECT_NEAR(picture.timeTicks.front().at, GetParam().firstX, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Spans, ChartTimeAxisTest,
    ::testing::Values(TimeCase{60.0, 10.0, "12-01\n08:00:10", 5.0 / 60.0},
                      TimeCase{30.0, 5.0, "12-01\n08:00:05", 0.0},
                      TimeCase{7200.0, 900.0, "12-01\n08:15", 895.0 / 7200.0},
                      TimeCase{21600.0, 3600.0, "12-01\n09:00", 3595.0 / 21600.0},
                      TimeCase{360000.0, 86400.0, "12-02\n00:00", 57595.0 / 360000.0}));

int Subpaths(const QPainterPath& path) {
    int moves = 0;
    for (int i = 0; i < path.elementCount(); ++i) moves += path.elementAt(i).isMoveTo();
    return moves;
}

struct PenCase {
    std::vector<ChartSpan> gaps;
    int subpaths;
};

class ChartPenTest : public ::testing::TestWithParam<PenCase> {};

// Columns 0 and 3 of four hold samples: bridged unless a gap lies between them.
TEST_P(ChartPenTest, EmptyColumnsAreBridgedGapsBreakTheLine) {
    ReportChartData chart = Planned(0, 100);
    chart.planned.clear();
    chart.gaps = GetParam().gaps;
    chart.pens = {
        {QStringLiteral("PV1"), 0xE00000, Qt::SolidLine, {{10, 20, true}, {}, {}, {30, 30, true}}}};
    const ChartPicture picture = BuildChartPicture(chart);
    ASSERT_EQ(picture.lines.size(), 1u);
    const QPainterPath& path = picture.lines[0].path;
    EXPECT_EQ(Subpaths(path), GetParam().subpaths);
    EXPECT_DOUBLE_EQ(path.elementAt(0).x, 0.125);  // middle of column 0 of 4
    EXPECT_DOUBLE_EQ(path.elementAt(path.elementCount() - 1).x, 0.875);
    // Column 0 is entered at its minimum and left at its maximum (higher up: smaller y).
    EXPECT_GT(path.elementAt(0).y, path.elementAt(1).y);
}

INSTANTIATE_TEST_SUITE_P(Gaps, ChartPenTest,
                         ::testing::Values(PenCase{{}, 1}, PenCase{{{40.0, 60.0}}, 2},
                                           PenCase{{{90.0, 95.0}}, 1}));

TEST(ChartPictureTest, MarksAndGapsOutsideTheSpanAreLeftOutPartlyInsideClipped) {
    ReportChartData chart = Planned(0, 100);
    chart.marks = {{-1.0, "1"}, {50.0, "2"}, {101.0, "3"}};
    chart.gaps = {{-10.0, 10.0}, {95.0, 130.0}, {120.0, 140.0}, {-30.0, -20.0}};
    const ChartPicture picture = BuildChartPicture(chart);
    ASSERT_EQ(picture.marks.size(), 1u);
    EXPECT_EQ(picture.marks[0].label, QStringLiteral("2"));
    EXPECT_DOUBLE_EQ(picture.marks[0].x, 0.5);
    ASSERT_EQ(picture.gaps.size(), 2u);
    EXPECT_DOUBLE_EQ(picture.gaps[0].left, 0.0);
    EXPECT_DOUBLE_EQ(picture.gaps[0].right, 0.1);
    EXPECT_DOUBLE_EQ(picture.gaps[1].left, 0.95);
    EXPECT_DOUBLE_EQ(picture.gaps[1].right, 1.0);
}

}  // namespace
}  // namespace vt
