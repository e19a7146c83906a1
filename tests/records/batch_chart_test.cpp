// The batch chart's zoom: a drag across the plot asks for the dragged time range.
#include "batch_chart.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

namespace vt {
namespace {

constexpr std::int64_t kFrom = 1'780'000'000'000;
constexpr std::int64_t kTo = kFrom + 3'600'000;

struct DragCase {
    int pressX;
    int releaseX;
    bool zooms;
};

// An 800 x 300 chart over [kFrom, kTo] with nothing drawn on it.
void ShowEmptyBatch(BatchChart& chart) {
    chart.resize(800, 300);
    BatchChartData data;
    data.fromMs = kFrom;
    data.toMs = kTo;
    chart.setData(data);
}

class BatchChartDragTest : public ::testing::TestWithParam<DragCase> {};

TEST_P(BatchChartDragTest, DragAsksForTheDraggedRangeInOrder) {
    BatchChart chart;
    ShowEmptyBatch(chart);
    QSignalSpy zoom(&chart, &BatchChart::zoomRequested);
    QTest::mousePress(&chart, Qt::LeftButton, {}, QPoint(GetParam().pressX, 150));
    QTest::mouseMove(&chart, QPoint(GetParam().releaseX, 150));
    QTest::mouseRelease(&chart, Qt::LeftButton, {}, QPoint(GetParam().releaseX, 150));
    ASSERT_EQ(zoom.size(), GetParam().zooms ? 1 : 0);
    if (!GetParam().zooms) return;
    const int left = std::min(GetParam().pressX, GetParam().releaseX);
    const int right = std::max(GetParam().pressX, GetParam().releaseX);
    EXPECT_EQ(zoom[0][0].toLongLong(), chart.timeAt(left));
    EXPECT_EQ(zoom[0][1].toLongLong(), chart.timeAt(right));
    EXPECT_LT(zoom[0][0].toLongLong(), zoom[0][1].toLongLong());
}

INSTANTIATE_TEST_SUITE_P(Drags, BatchChartDragTest,
                         ::testing::Values(DragCase{200, 500, true}, DragCase{500, 200, true},
                                           DragCase{300, 303, false}, DragCase{0, 799, true}));

TEST(BatchChartTest, TimeAtRunsAcrossThePlotOnlyClampedBeyondIt) {
    BatchChart chart;
    ShowEmptyBatch(chart);
    EXPECT_EQ(chart.timeAt(0), kFrom);
    EXPECT_EQ(chart.timeAt(799), kTo);
    // The plot is narrower than the widget (axes) but wider than its half.
    EXPECT_GT(chart.timeAt(60), kFrom);
    EXPECT_LT(chart.timeAt(780), kTo);
    EXPECT_GT(chart.plotWidth(), 400);
    EXPECT_LT(chart.plotWidth(), 800);
    const std::int64_t middle = chart.timeAt(400);
    EXPECT_GT(middle, kFrom + (kTo - kFrom) / 3);
    EXPECT_LT(middle, kTo - (kTo - kFrom) / 3);
}

}  // namespace
}  // namespace vt
