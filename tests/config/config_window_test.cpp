#include "config_window.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include "config_catalogue.h"
#include "readout_label.h"
#include "window_rig.h"

namespace vt {
namespace {

class ConfigWindowTest : public ::testing::Test {
  protected:
    ConfigWindowTest() {
        EXPECT_TRUE(m_rig.openPort());
        m_window = std::make_unique<ConfigWindow>(m_rig.context);
    }

    // One whole read-and-show cycle; returns how many of its blocks failed.
    int readCycle() {
        QSignalSpy finished(&m_window->readCycle(), &PeriodicRead::cycleFinished);
        EXPECT_TRUE(QTest::qWaitFor([&] { return m_window->readCycle().outstanding() == 0; }));
        m_window->readCycle().readNow();
        EXPECT_TRUE(finished.wait(test::kWaitMs));
        return finished.isEmpty() ? -1 : finished.last().at(0).toInt();
    }

    QString shown(int index) {
        return test::Find<ReadoutLabel>(m_window.get(), QStringLiteral("D_4W_%1").arg(index))
            ->text();
    }
    QLineEdit* entry(int index) {
        return test::Find<QLineEdit>(m_window.get(), QStringLiteral("T_3RW_%1").arg(index));
    }
    QComboBox* list(const char* name) { return test::Find<QComboBox>(m_window.get(), name); }
    void down(int index) {
        QTest::mouseClick(
            test::Find<QPushButton>(m_window.get(), QStringLiteral("Command1_%1").arg(index)),
            Qt::LeftButton);
    }

    test::WindowRig m_rig;
    std::unique_ptr<ConfigWindow> m_window;
};

}  // namespace

TEST_F(ConfigWindowTest, TwelveTabsEveryRowAndTheNetworkBlock) {
    EXPECT_EQ(m_window->objectName(), QStringLiteral("CONFIG1"));
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("VT5800 CONFIG "));
    auto* tabs = test::Find<QTabWidget>(m_window.get(), "SSTab2");
    ASSERT_EQ(tabs->count(), kConfigTabCount);
    for (int k = 0; k < kConfigTabCount; ++k) {
        const ConfigTab& tab = ConfigTabs()[static_cast<std::size_t>(k)];
        EXPECT_EQ(tabs->tabText(k), QString::fromUtf8(tab.caption));
        EXPECT_EQ(test::Find<QLabel>(tabs->widget(k), QStringLiteral("Label3_%1").arg(k))->text(),
                  QString::fromUtf8(tab.heading));
    }
    EXPECT_EQ(qobject_cast<QGroupBox*>(tabs->parentWidget())->title(), QStringLiteral("CONFIG"));
    for (const ConfigEntry& row : ConfigCatalogue()) {
        const std::string caption = row.parameter.caption;
        QWidget* input = row.list ? static_cast<QWidget*>(list(row.list)) : entry(row.index());
        if (row.list) {
            EXPECT_EQ(list(row.list)->count(), static_cast<int>(row.parameter.options.size()));
            EXPECT_EQ(list(row.list)->currentIndex(), 0);
        }
        EXPECT_EQ(tabs->isAncestorOf(input), row.place != ConfigPlace::Network) << caption;
        if (!row.hasRegister()) continue;
        auto* down =
            test::Find<QPushButton>(m_window.get(), QStringLiteral("Command1_%1").arg(row.index()));
        EXPECT_EQ(down->text(), QStringLiteral("DOWN"));
        EXPECT_EQ(down->accessibleDescription(), down->objectName());
        EXPECT_TRUE(m_window->findChild<ReadoutLabel*>(QStringLiteral("D_4W_%1").arg(row.index())));
    }
    EXPECT_EQ(m_window->findChildren<QPushButton*>(QRegularExpression("^Command1_")).size(), 91);
    EXPECT_EQ(m_window->findChildren<QComboBox*>().size(), 37);
    EXPECT_EQ(entry(89)->text(), QStringLiteral("2"));
    EXPECT_EQ(entry(70)->text(), QStringLiteral("3"));
    auto* timer = m_window->findChild<QTimer*>(QStringLiteral("Timer1"));
    EXPECT_EQ(timer->interval(), 1000);
    EXPECT_TRUE(timer->isActive());
}

TEST_F(ConfigWindowTest, EachBlockShowsItsRowsAsItComesIn) {
    ASSERT_EQ(readCycle(), 0);
    EXPECT_EQ(shown(2), QStringLiteral("自动/手动/待机"));  // 4098 = 2, first block
    EXPECT_EQ(shown(7), QStringLiteral("1.0"));             // 4103 = 10 tenths
    EXPECT_EQ(shown(10), QStringLiteral("1300"));           // SVHI 13000 at one decimal
    EXPECT_EQ(shown(33), QStringLiteral("600"));            // 4129, second block
    EXPECT_EQ(shown(61), QStringLiteral("19200BPS"));       // the line the simulator serves
    EXPECT_EQ(shown(65), QStringLiteral("上限报警1"));      // 4161, third block
    EXPECT_EQ(shown(75), QStringLiteral("2.5"));            // electrical value 2500 / 1000
    EXPECT_EQ(shown(89), QStringLiteral("30"));             // 300 tenths, plain
    EXPECT_EQ(shown(96), QStringLiteral("192"));            // 4192, the third block's last
    EXPECT_EQ(shown(99), QStringLiteral("100"));            // 4195, fourth block
    EXPECT_EQ(shown(107), QStringLiteral("1"));
}

TEST_F(ConfigWindowTest, FailedBlockAndUnknownCodeLeaveTheirLabelsAsTheyWere) {
    ASSERT_EQ(readCycle(), 0);
    m_rig.line.change([](sim::SimulatorOptions& o) { o.exceptionHoldingRegisters = {4129}; });
    m_rig.line.model().setHolding(4130, 1234);
    m_rig.line.model().setHolding(4097, 9);  // no text for code 9
    m_rig.line.model().setHolding(4103, 55);
    ASSERT_EQ(readCycle(), 1);
    EXPECT_EQ(shown(34), QStringLiteral("400"));
    EXPECT_EQ(shown(1), QStringLiteral("禁止锁定"));
    EXPECT_EQ(shown(7), QStringLiteral("5.5"));
}

TEST_F(ConfigWindowTest, CycleNeverTouchesWhatTheOperatorEntered) {
    entry(7)->setText(QStringLiteral("12."));
    list("Combo5")->setCurrentIndex(2);
    ASSERT_EQ(readCycle(), 0);
    EXPECT_EQ(entry(7)->text(), QStringLiteral("12."));
    EXPECT_EQ(list("Combo5")->currentText(), QStringLiteral("2:绝对温度 "));
    EXPECT_EQ(shown(6), QStringLiteral("摄氏度"));
}

struct DownCase {
    int index;
    const char* list;   // the row's list, or none for an entry box
    const char* input;  // the text typed, or the list entry chosen
    const char* written;
};

class ConfigDownTest : public ConfigWindowTest, public ::testing::WithParamInterface<DownCase> {};

TEST_P(ConfigDownTest, DownWritesTheRowsRegisterByItsRule) {
    const DownCase& c = GetParam();
    const QString input = QString::fromUtf8(c.input);
    if (c.list)
        list(c.list)->setCurrentText(input);
    else if (*c.input)
        entry(c.index)->setText(input);
    const std::size_t mark = m_rig.writeCount();
    down(c.index);
    EXPECT_TRUE(m_rig.waitForWrite(c.written, mark));
    EXPECT_EQ(c.list ? list(c.list)->currentText() : entry(c.index)->text(),
              *c.input ? input : entry(c.index)->text());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ConfigDownTest,
    ::testing::Values(DownCase{10, nullptr, "1000", "holding 4106 1000"},  // SVHI: raw
                      DownCase{14, nullptr, "100.0", "holding 4110 1000"},
                      DownCase{18, nullptr, "0.25", "holding 4114 2"},
                      DownCase{73, nullptr, "1.5", "holding 4169 1500"},
                      DownCase{89, nullptr, "", "holding 4185 20"},  // its starting "2"
                      DownCase{23, "Combo32", "3:远程SV ", "holding 4119 3"},
                      DownCase{99, nullptr, "１２", "holding 4195 12"}));

TEST_F(ConfigWindowTest, WritingTheMainInputTypeRescalesAtOnce) {
    m_rig.polling.stop();  // only the window's own read may bring the new type
    ASSERT_TRUE(m_rig.waitIdle());
    list("Combo1")->setCurrentIndex(21);
    down(13);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return m_rig.state.Scaling.Input1Type == 21; }, test::kWaitMs));
    EXPECT_EQ(m_rig.state.InputConfig[7], 21);
    ASSERT_EQ(readCycle(), 0);
    EXPECT_EQ(shown(75), QStringLiteral("25"));  // 2500 / 100
    const std::size_t mark = m_rig.writeCount();
    entry(73)->setText(QStringLiteral("1.5"));
    down(73);
    EXPECT_TRUE(m_rig.waitForWrite("holding 4169 150", mark));
}

TEST_F(ConfigWindowTest, WritingTheAuxiliaryInputTypeRescalesAtOnce) {
    m_rig.polling.stop();
    ASSERT_TRUE(m_rig.waitIdle());
    list("Combo11")->setCurrentIndex(14);
    down(24);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return m_rig.state.Scaling.Input2Type == 14; }, test::kWaitMs));
}

TEST_F(ConfigWindowTest, StationReadoutsFollowAConfigurationChange) {
    // The frozen simulator stands at 25.0 degC.
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_rig.state.LiveValue[0] == 25.0f; }, test::kWaitMs));
    list("Combo5")->setCurrentIndex(1);  // Fahrenheit: whole degrees
    down(6);
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_rig.state.LiveValue[0] == 77.0f; }, test::kWaitMs));
    list("Combo5")->setCurrentIndex(0);
    down(6);
    list("Combo1")->setCurrentIndex(20);  // a linear input read to two decimals
    down(13);
    list("Combo8")->setCurrentIndex(2);
    down(16);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return m_rig.state.RawInput[0] == 2500 && m_rig.state.LiveValue[0] == 25.0f; },
        test::kWaitMs));
}

TEST_F(ConfigWindowTest, ClosedPortKeepsTheLabelsAndDownReportsNothing) {
    ASSERT_EQ(readCycle(), 0);
    m_rig.connection.close();
    ASSERT_TRUE(m_rig.waitIdle());
    m_rig.line.model().setHolding(4103, 55);
    EXPECT_EQ(readCycle(), 4);
    EXPECT_EQ(shown(7), QStringLiteral("1.0"));
    const std::size_t mark = m_rig.writeCount();
    entry(7)->setText(QStringLiteral("3"));
    down(7);
    ASSERT_TRUE(m_rig.waitIdle());
    EXPECT_TRUE(m_rig.writesSince(mark).empty());
    EXPECT_TRUE(m_window->keepOpen());
}

TEST_F(ConfigWindowTest, TheThirdDigitalInputListIsLeftWithoutAWrite) {
    ASSERT_TRUE(test::ShowActive(m_window.get()));
    test::Find<QTabWidget>(m_window.get(), "SSTab2")->setCurrentIndex(4);
    QComboBox* di3 = list("Combo16");
    di3->setFocus();
    QTest::keyClick(di3, Qt::Key_Down);  // an entry chosen, as the operator does
    ASSERT_EQ(di3->currentIndex(), 1);
    list("Combo14")->setFocus();
    ASSERT_TRUE(m_rig.waitIdle());
    EXPECT_TRUE(m_rig.journal().empty());
}

TEST_F(ConfigWindowTest, PollingKeepsRunningBesideTheWindowsReads) {
    m_window->readCycle().timer().setInterval(50);
    QSignalSpy ticks(&m_rig.polling, &PollingCycle::tickFinished);
    QSignalSpy cycles(&m_window->readCycle(), &PeriodicRead::cycleFinished);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return ticks.size() >= 10 && cycles.size() >= 10; }, test::kWaitMs));
}

TEST_F(ConfigWindowTest, CloseBoxIsRefusedAndEscGoesBack) {
    ASSERT_TRUE(test::ShowActive(m_window.get()));
    EXPECT_FALSE(m_window->close());
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_EQ(readCycle(), 0);  // still reading
    QTest::keyClick(m_window.get(), Qt::Key_Escape);
    EXPECT_EQ(m_rig.flow.calls, QStringList{QStringLiteral("returnFromEditor")});
    EXPECT_FALSE(m_window->readCycle().isRunning());
    EXPECT_EQ(test::Find<QPushButton>(m_window.get(), "Command11")->text(),
              QStringLiteral(" Esc 返回"));
}

}  // namespace vt
