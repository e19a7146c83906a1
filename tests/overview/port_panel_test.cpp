#include "port_panel.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "overview_window.h"
#include "port_directory.h"
#include "port_panel.h"
#include "saved_link_settings.h"
#include "window_rig.h"

namespace vt {
namespace {

class PortPanelTest : public ::testing::Test {
  protected:
    SavedLinkSettings saved() { return SavedLinkSettings(m_rig.station.check.database()); }

    std::unique_ptr<OverviewWindow> load() {
        return std::make_unique<OverviewWindow>(m_rig.context);
    }

    static QComboBox* Combo(QWidget* w, const char* name) { return w->findChild<QComboBox*>(name); }

    static void Click(QWidget* w, const char* name) {
        QTest::mouseClick(w->findChild<QPushButton*>(name), Qt::LeftButton);
    }

    test::WindowRig m_rig;
};

TEST_F(PortPanelTest, PanelListsAndTheDeviceOfThePort) {
    auto window = load();
    QComboBox* baud = Combo(window.get(), "Combo5");
    ASSERT_EQ(baud->count(), 9);
    EXPECT_EQ(baud->itemText(3), QStringLiteral("3: 38400 BPS"));
    EXPECT_EQ(baud->itemText(8), QStringLiteral("8: 921600 BPS"));
    EXPECT_EQ(Combo(window.get(), "Combo1")->itemText(19), QStringLiteral("20 "));
    EXPECT_EQ(Combo(window.get(), "Combo2")->count(), 16);
    EXPECT_EQ(window->findChild<QRadioButton*>("Option2_1")->text(), QStringLiteral("奇校验"));
    auto* device = window->findChild<QLabel*>("PortDevice");
    Combo(window.get(), "Combo1")->setCurrentIndex(0);
    // Port 1 is a link to the simulator's terminal: the panel shows where it leads.
    EXPECT_TRUE(device->text().startsWith(m_rig.line.ports().devicePath(1) +
                                          QStringLiteral(" → /dev/pts/")))
        << device->text().toStdString();
    Combo(window.get(), "Combo1")->setCurrentIndex(4);
    EXPECT_EQ(device->text(), QStringLiteral("/dev/ttyUSB4"));
}

TEST_F(PortPanelTest, ModbusTcpPortShowsItsAddress) {
    PortDirectory ports;
    ports.setDevice(2, *PortDirectory::NormalisedTcpAddress(QStringLiteral("tcp://10.0.0.7")));
    PortPanel panel(m_rig.state, m_rig.connection, ports);
    Combo(&panel, "Combo1")->setCurrentIndex(1);
    EXPECT_EQ(panel.findChild<QLabel*>("PortDevice")->text(), QStringLiteral("tcp://10.0.0.7:502"));
}

TEST_F(PortPanelTest, RestoredIndicesHoldUntilOpenedAndEveryOpenIsSaved) {
    ASSERT_TRUE(saved().save(3, 8, 2, 5));
    auto window = load();
    EXPECT_EQ(Combo(window.get(), "Combo1")->currentText(), QStringLiteral("3 "));
    EXPECT_EQ(Combo(window.get(), "Combo5")->currentText(), QStringLiteral("8: 921600 BPS"));
    EXPECT_TRUE(window->findChild<QRadioButton*>("Option2_2")->isChecked());
    EXPECT_EQ(Combo(window.get(), "Combo2")->currentText(), QStringLiteral("5 "));
    EXPECT_EQ(m_rig.state.LinkSettings[PortNumber], 2);
    EXPECT_EQ(m_rig.state.LinkSettings[SlaveAddress], 4);
    EXPECT_EQ(m_rig.state.LinkSettings[BaudCode], 8);

    // Opened as restored: the slots now hold the port and address themselves.
    Click(window.get(), "Command9");
    EXPECT_EQ(m_rig.state.LinkSettings[PortNumber], 3);
    EXPECT_EQ(m_rig.state.LinkSettings[SlaveAddress], 5);
    EXPECT_EQ(m_rig.state.LinkSettings[ParityCode], 2);
    EXPECT_EQ(saved().restore(), (SavedLink{2, 8, 2, 4}));

    // Opening again while open takes the new choice: the simulator on port 1.
    Combo(window.get(), "Combo1")->setCurrentIndex(0);
    Combo(window.get(), "Combo5")->setCurrentIndex(5);
    window->findChild<QRadioButton*>("Option2_1")->setChecked(true);
    Combo(window.get(), "Combo2")->setCurrentIndex(0);
    Click(window.get(), "Command9");
    EXPECT_TRUE(m_rig.connection.isOpen());
    EXPECT_TRUE(m_rig.polling.isRunning());
    EXPECT_EQ(m_rig.state.LinkSettings[PortNumber], 1);
    EXPECT_EQ(m_rig.state.LinkSettings[BaudCode], 5);
    EXPECT_EQ(m_rig.state.LinkSettings[ParityCode], 1);
    EXPECT_EQ(m_rig.state.LinkSettings[SlaveAddress], 1);
    EXPECT_EQ(saved().restore(), (SavedLink{0, 5, 1, 0}));
    EXPECT_TRUE(window->findChild<QPushButton*>("Command21")->isEnabled());
    EXPECT_TRUE(window->findChild<QPushButton*>("Command23")->isEnabled());
    // The link answers: the first tick fills the live tables.
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_rig.state.RunRaw[2] == 1000; }, test::kWaitMs));
}

TEST_F(PortPanelTest, ReloadWhileOpenKeepsTheRunningLinkSettings) {
    ASSERT_TRUE(saved().save(7, 3, 0, 9));
    m_rig.connection.open(1, 5, 0, 1);
    auto window = load();
    EXPECT_EQ(Combo(window.get(), "Combo1")->currentText(), QStringLiteral("7 "));
    EXPECT_EQ(Combo(window.get(), "Combo2")->currentText(), QStringLiteral("9 "));
    EXPECT_EQ(m_rig.state.LinkSettings[PortNumber], 1);
    EXPECT_EQ(m_rig.state.LinkSettings[SlaveAddress], 1);
    EXPECT_EQ(m_rig.state.LinkSettings[BaudCode], 5);
}

TEST_F(PortPanelTest, CloseStopsPollingAndDisablesTheSystemButtons) {
    auto window = load();
    Click(window.get(), "Command9");
    ASSERT_TRUE(m_rig.polling.isRunning());
    Click(window.get(), "Command10");
    EXPECT_FALSE(m_rig.connection.isOpen());
    EXPECT_FALSE(m_rig.polling.isRunning());
    EXPECT_FALSE(window->findChild<QPushButton*>("Command21")->isEnabled());
    EXPECT_FALSE(window->findChild<QPushButton*>("Command23")->isEnabled());
}

TEST_F(PortPanelTest, NoParitySelectedKeepsThePreviousCode) {
    ASSERT_TRUE(saved().save(1, 5, 7, 1));  // a parity code that no option stands for
    auto window = load();
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(
            window->findChild<QRadioButton*>(QStringLiteral("Option2_%1").arg(i))->isChecked());
    }
    m_rig.state.LinkSettings[ParityCode] = 2;
    window->openWithCurrentSettings();
    EXPECT_EQ(m_rig.state.LinkSettings[ParityCode], 2);
    EXPECT_EQ(saved().restore()->parityCode, 2);
}

}  // namespace
}  // namespace vt
