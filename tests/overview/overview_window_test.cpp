#include "overview_window.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSqlDatabase>
#include <QTest>
#include <QTimer>
#include <memory>

#include "overview_decoding.h"
#include "readout_label.h"
#include "trend_chart.h"
#include "window_rig.h"

namespace vt {
namespace {

template <typename T = QWidget>
T* Find(QWidget* window, const QString& name) {
    T* child = window->findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name.toStdString();
    return child;
}

bool OverviewConnectionOpen() {
    for (const QString& name : QSqlDatabase::connectionNames()) {
        if (name.startsWith(QStringLiteral("station.ssqx.")) &&
            QSqlDatabase::database(name, false).isOpen()) {
            return true;
        }
    }
    return false;
}

class OverviewWindowTest : public ::testing::Test {
  protected:
    OverviewWindowTest() : m_window(std::make_unique<OverviewWindow>(m_rig.context)) {}

    QString text(const char* name) { return Find<QLabel>(m_window.get(), name)->text(); }
    ReadoutLabel* readout(const char* name) { return Find<ReadoutLabel>(m_window.get(), name); }

    void showActive() {
        m_window->show();
        m_window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    }

    test::WindowRig m_rig;
    std::unique_ptr<OverviewWindow> m_window;
};

TEST_F(OverviewWindowTest, LoadArmsTheGuardAndPreparesTheControls) {
    EXPECT_EQ(m_window->objectName(), QStringLiteral("ssqx"));
    EXPECT_EQ(m_window->windowTitle(),
              QStringLiteral("\nProcess Controller  VT5800       OverView"));
    EXPECT_TRUE(m_window->keepOpen());
    EXPECT_TRUE(m_rig.state.TrendWindowOpen);
    EXPECT_TRUE(OverviewConnectionOpen());
    for (const char* name : {"Command25", "Command11", "Command17", "Command23"}) {
        EXPECT_TRUE(Find(m_window.get(), name)->isHidden()) << name;
    }
    auto* function = Find<QComboBox>(m_window.get(), "Combo3");
    EXPECT_EQ(function->count(), 4);
    EXPECT_EQ(function->currentText(), QStringLiteral("0:停止 "));
    EXPECT_EQ(Find<QComboBox>(m_window.get(), "Combo4")->itemText(8), QStringLiteral("8 "));
    EXPECT_EQ(Find<QComboBox>(m_window.get(), "Combo6")->count(), 24);
    for (const char* timer : {"Timer1", "Timer2", "Timer3"}) {
        EXPECT_TRUE(m_window->findChild<QTimer*>(timer)->isActive()) << timer;
    }
    // Every decoded readout was placed, and captionless controls carry their names.
    for (const QString& name : OverviewDecoding::Names()) {
        const QWidget* label = Find(m_window.get(), name);
        if (label) {
            EXPECT_EQ(label->accessibleDescription(), name);
        }
    }
}

TEST_F(OverviewWindowTest, DisplayRefreshDecodesAndLeavesUnlistedCodes) {
    m_rig.state.LiveValue[7] = 3;
    m_rig.state.InputBits[4] = 1;
    m_rig.state.CoilBits[0] = 1;
    m_window->refreshDisplay();
    EXPECT_EQ(text("D_3W_7"), QStringLiteral("上偏差报警1"));
    EXPECT_FALSE(readout("D_2R_4")->isHidden());
    EXPECT_EQ(text("D_1RW_0"), QStringLiteral("手动"));
    const QColor autoManualColour = readout("D_1RW_0")->background();

    m_rig.state.LiveValue[7] = 12;
    m_rig.state.InputBits[4] = 2;
    m_rig.state.CoilBits[0] = 0;
    m_window->refreshDisplay();
    EXPECT_EQ(text("D_3W_7"), QStringLiteral("上偏差报警1"));
    EXPECT_TRUE(readout("D_2R_4")->isHidden());
    EXPECT_EQ(text("D_1RW_0"), QStringLiteral("自动"));
    EXPECT_EQ(readout("D_1RW_0")->background(), autoManualColour);
    EXPECT_EQ(readout("D_1RW_1")->background(), kInactiveColour);
}

TEST_F(OverviewWindowTest, RefusedCloseLeavesTheWindowFullyWorking) {
    m_window->show();
    EXPECT_FALSE(m_window->close());
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_TRUE(m_rig.state.TrendWindowOpen);
    EXPECT_TRUE(OverviewConnectionOpen());
    m_rig.state.LiveValue[0] = 123.5f;
    EXPECT_TRUE(QTest::qWaitFor([&] { return text("D_3W_0") == QStringLiteral("123.5"); }, 5000));
}

TEST_F(OverviewWindowTest, EscapeAnywhereExitsTheStation) {
    showActive();
    Find(m_window.get(), "T_3RW_2")->setFocus();
    QTest::keyClick(Find(m_window.get(), "T_3RW_2"), Qt::Key_Escape);
    EXPECT_EQ(m_rig.flow.calls, QStringList{QStringLiteral("exitStation")});
    EXPECT_FALSE(m_window->keepOpen());
    EXPECT_FALSE(m_window->isVisible());
    EXPECT_FALSE(m_rig.state.TrendWindowOpen);
    EXPECT_FALSE(OverviewConnectionOpen());
}

TEST_F(OverviewWindowTest, HistoryLetsGoOfTheDatabaseBeforeLeaving) {
    m_window->show();
    QTest::mouseClick(Find(m_window.get(), "Command29"), Qt::LeftButton);
    EXPECT_EQ(m_rig.flow.calls, QStringList{QStringLiteral("openHistory")});
    EXPECT_FALSE(m_window->isVisible());
    EXPECT_FALSE(m_rig.state.TrendWindowOpen);
    EXPECT_FALSE(OverviewConnectionOpen());
    EXPECT_FALSE(m_window->findChild<QTimer*>("Timer1")->isActive());
}

TEST_F(OverviewWindowTest, NavigationButtonsAskForTheirEditors) {
    for (const char* name :
         {"Command14", "Command15", "Command16", "Command21", "Command22", "Command24"}) {
        QTest::mouseClick(Find(m_window.get(), name), Qt::LeftButton);
    }
    const std::vector<StationWindow> expected = {StationWindow::Tech,     StationWindow::ALM1,
                                                 StationWindow::PIDC,     StationWindow::CONFIG1,
                                                 StationWindow::FenzuPID, StationWindow::Fenzuout1};
    EXPECT_EQ(m_rig.flow.editors, expected);
    EXPECT_TRUE(m_window->keepOpen());
}

TEST_F(OverviewWindowTest, MissingDeviceIsShownAsTheReasonAndTheStationStaysOpen) {
    Find<QComboBox>(m_window.get(), "Combo1")->setCurrentIndex(19);  // /dev/ttyUSB19
    QTest::mouseClick(Find(m_window.get(), "Command9"), Qt::LeftButton);
    auto* reason = Find<QLabel>(m_window.get(), "LinkReason");
    EXPECT_TRUE(QTest::qWaitFor([&] { return reason->text() == QStringLiteral("设备不存在"); },
                                test::kWaitMs));
    EXPECT_EQ(text("LinkHealth"), QStringLiteral("通讯中断"));
    EXPECT_FALSE(reason->isHidden());
    EXPECT_TRUE(m_rig.connection.isOpen());
}

TEST_F(OverviewWindowTest, RulerHoldsTheReadoutsAndShowsItsOwnValues) {
    showActive();
    auto* timer = m_window->findChild<QTimer*>("Timer1");
    QTest::keyClick(m_window.get(), Qt::Key_F4);
    auto* chart = Find<TrendChart>(m_window.get(), "TrendChart");
    ASSERT_TRUE(chart->rulerOn());
    EXPECT_FALSE(timer->isActive());

    Find<QSlider>(m_window.get(), "hc")->setValue(9000);
    const QColor ruler(255, 255, 0);
    for (const char* name : {"D_3W_0", "D_3W_5", "Label2_9", "Label2_10"}) {
        EXPECT_EQ(readout(name)->background(), ruler) << name;
    }
    const QString held = text("Label2_10");
    m_rig.state.LiveValue[0] = 55;
    auto* clock = m_window->findChild<QTimer*>("Timer3");
    QSignalSpy ticked(clock, &QTimer::timeout);
    clock->start(1);
    ASSERT_TRUE(ticked.wait(5000));
    EXPECT_EQ(text("Label2_10"), held);  // the clock leaves the ruler's time alone

    QTest::keyClick(m_window.get(), Qt::Key_F4);
    EXPECT_FALSE(chart->rulerOn());
    EXPECT_TRUE(timer->isActive());
    EXPECT_TRUE(QTest::qWaitFor([&] { return text("D_3W_0") == QStringLiteral("55"); }, 5000));
    EXPECT_EQ(readout("D_3W_0")->background(), QColor(255, 192, 255));
    EXPECT_NE(readout("D_3W_5")->background(), ruler);
    EXPECT_EQ(readout("Label2_9")->background(), QColor(128, 255, 128));
}

}  // namespace
}  // namespace vt
