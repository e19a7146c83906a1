// The chart widgets on the offscreen platform: buttons, keys, ruler, value-axis editor, paint.
#include "trend_chart.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

#include "memory_ring.h"
#include "trend_surface.h"

namespace vt::test {
namespace {

class ChartTest : public ::testing::Test {
  protected:
    void make(const TrendSettings& settings) {
        state.YSpan = 1500;
        ring.write(5000, kSomeDay + 0.5);
        chart = std::make_unique<TrendChart>(settings, state);
        chart->setSource(&ring);
        chart->resize(1000, 600);
        chart->initialise();
        chart->show();
    }
    template <typename T>
    T* child(const QString& name) const {
        T* found = chart->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QPushButton* button(const char* name) const { return child<QPushButton>(QLatin1String(name)); }

    ControllerState state;
    MemoryRing ring;
    std::unique_ptr<TrendChart> chart;
};

TEST_F(ChartTest, ZoomButtonsFollowTheZoomLevel) {
    make(OverviewTrendSettings());
    QPushButton* raise = button("Command4");
    QPushButton* lower = button("Command3");
    EXPECT_EQ(raise->text(), QStringLiteral("F1 放大"));
    EXPECT_TRUE(raise->isEnabled());
    EXPECT_FALSE(lower->isEnabled());
    EXPECT_FALSE(button("CommandNewer")->isEnabled());
    for (int i = 0; i < 3; ++i) QTest::mouseClick(raise, Qt::LeftButton);
    EXPECT_EQ(chart->engine().state().ZoomLevel, 4);
    EXPECT_FALSE(raise->isEnabled());
    EXPECT_TRUE(lower->isEnabled());
    EXPECT_EQ(chart->findChild<QSlider*>(QStringLiteral("hc"))->singleStep(), 38);
}

TEST_F(ChartTest, HistoryKeysRefuseZoomBeyondTheEnds) {
    make(HistoryTrendSettings());
    EXPECT_EQ(button("Command4")->text(), QStringLiteral("F1 缩小"));
    EXPECT_EQ(button("Command3")->text(), QStringLiteral("F2 放大"));
    EXPECT_TRUE(chart->handleKey(Qt::Key_F2));
    EXPECT_EQ(chart->engine().state().ZoomLevel, 1);
    for (int i = 0; i < 4; ++i) chart->handleKey(Qt::Key_F1);
    EXPECT_EQ(chart->engine().state().ZoomLevel, 4);
    chart->handleKey(Qt::Key_F2);
    EXPECT_EQ(chart->engine().state().ZoomLevel, 3);
    EXPECT_FALSE(chart->handleKey(Qt::Key_Escape));
}

TEST_F(ChartTest, RulerPausesTheDisplayAndReportsItsReading) {
    make(OverviewTrendSettings());
    QSignalSpy paused(chart.get(), &TrendChart::displayPausedChanged);
    QSignalSpy moved(chart.get(), &TrendChart::rulerMoved);
    auto* slider = chart->findChild<QSlider*>(QStringLiteral("hc"));
    EXPECT_FALSE(slider->isEnabled());
    QTest::keyClick(chart.get(), Qt::Key_F4);
    EXPECT_EQ(button("CommandRuler")->text(), QStringLiteral("F4 复原"));
    EXPECT_TRUE(slider->isEnabled());
    ASSERT_EQ(paused.count(), 1);
    EXPECT_TRUE(paused.at(0).at(0).toBool());

    slider->setValue(9000);
    ASSERT_EQ(moved.count(), 1);
    const auto reading = moved.at(0).at(0).value<RulerReading>();
    EXPECT_TRUE(reading.recorded);
    EXPECT_EQ(reading.values[0], 4999.0f);
    slider->setValue(kSliderMin);
    EXPECT_EQ(chart->engine().state().PageBack, 1);
    EXPECT_TRUE(button("CommandNewer")->isEnabled());

    QTest::mouseClick(button("CommandRuler"), Qt::LeftButton);
    EXPECT_EQ(button("CommandRuler")->text(), QStringLiteral("F4 标尺"));
    EXPECT_FALSE(slider->isEnabled());
    EXPECT_EQ(slider->value(), 0);
    EXPECT_FALSE(chart->displayPaused());
    EXPECT_EQ(paused.count(), 2);
}

TEST_F(ChartTest, DoubleClickOnAValueLabelOpensTheEditorWhichStaysAfterAChange) {
    make(OverviewTrendSettings());
    auto* editor = child<QWidget>(QStringLiteral("ValueAxisEditor"));
    EXPECT_FALSE(editor->isVisible());
    QTest::mouseDClick(child<QLabel>(QStringLiteral("Label5_3")), Qt::LeftButton);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(child<QLabel>(QStringLiteral("Label9"))->text(), QStringLiteral("Y轴最大值"));

    QTest::keyClicks(child<QLineEdit>(QStringLiteral("YKD")), QStringLiteral("abc"));
    QTest::keyClicks(child<QLineEdit>(QStringLiteral("YKD1")), QStringLiteral("100"));
    QTest::mouseClick(child<QPushButton>(QStringLiteral("CommandChangeY")), Qt::LeftButton);
    EXPECT_EQ(state.YSpan, 1500);  // maximum 0 lies below the minimum

    child<QLineEdit>(QStringLiteral("YKD"))->setText(QStringLiteral("400 max"));
    QTest::mouseClick(child<QPushButton>(QStringLiteral("CommandChangeY")), Qt::LeftButton);
    EXPECT_EQ(state.YSpan, 300);
    EXPECT_EQ(child<QLabel>(QStringLiteral("Label5_6"))->text(), QStringLiteral("400"));
    EXPECT_TRUE(editor->isVisible());
}

TEST_F(ChartTest, HistoryEditorHidesAfterAnAcceptedChange) {
    make(HistoryTrendSettings());
    QTest::mouseDClick(child<QLabel>(QStringLiteral("Label5_0")), Qt::LeftButton);
    auto* editor = child<QWidget>(QStringLiteral("ValueAxisEditor"));
    ASSERT_TRUE(editor->isVisible());
    EXPECT_EQ(child<QLabel>(QStringLiteral("Label10"))->text(), QStringLiteral("Y最小"));
    child<QLineEdit>(QStringLiteral("YKD"))->setText(QStringLiteral("2000"));
    child<QLineEdit>(QStringLiteral("YKD1"))->setText(QStringLiteral("-100"));
    QTest::mouseClick(child<QPushButton>(QStringLiteral("CommandChangeY")), Qt::LeftButton);
    EXPECT_EQ(state.YMin, -100);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(child<QLabel>(QStringLiteral("Label6_6"))->text(), QStringLiteral("120"));
}

TEST_F(ChartTest, SurfacePaintsBackgroundAndTheRedPen) {
    for (float& v : state.LiveValue) v = 750.0f;  // mid-axis for every live sample
    make(OverviewTrendSettings());
    for (int i = 0; i < 5; ++i) chart->appendLiveSample();
    const QImage image = chart->surface()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_GT(image.width(), 400);
    int background = 0;
    int red = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y) & 0xFFFFFF;
            background += pixel == kBackgroundRgb;
            red += pixel == 0xFF0000;
        }
    EXPECT_GT(background, image.width() * image.height() / 2);
    EXPECT_GT(red, 4);
}

TEST_F(ChartTest, LabelsDoNotOverlapAtSmallWindowSizes) {
    make(OverviewTrendSettings());
    chart->resize(chart->minimumSizeHint());
    QApplication::processEvents();
    for (const char* base : {"Label7_%1", "Label4_%1"})
        for (int i = 0; i + 1 < kTimeLabelCount; ++i) {
            const QRect left = child<QLabel>(QString::fromLatin1(base).arg(i))->geometry();
            const QRect right = child<QLabel>(QString::fromLatin1(base).arg(i + 1))->geometry();
            EXPECT_LT(left.right(), right.left()) << base << i;
        }
    for (int i = 0; i + 1 < kAxisLabelCount; ++i) {
        const QRect lower = child<QLabel>(QStringLiteral("Label5_%1").arg(i))->geometry();
        const QRect upper = child<QLabel>(QStringLiteral("Label5_%1").arg(i + 1))->geometry();
        EXPECT_LT(upper.bottom(), lower.top()) << i;
    }
}

}  // namespace
}  // namespace vt::test
