#include "group_limits_window.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>

#include "group_table_fixture.h"
#include "readout_label.h"

namespace vt {
namespace {

class GroupLimitsWindowTest : public test::GroupTableFixture<GroupLimitsWindow> {
  protected:
    QComboBox* mode() const { return test::Find<QComboBox>(m_window.get(), "Combo30"); }
    // Sets the controller's temperature unit and waits until the polling cycle has read it.
    void useTempUnit(std::int16_t unit) {
        m_rig.line.model().setHolding(4102, unit);
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return m_rig.state.Scaling.TempUnit == unit; }, test::kWaitMs));
    }
};

}  // namespace

TEST_F(GroupLimitsWindowTest, ModeAndTwentyGroupsAsTheControllerHoldsThem) {
    EXPECT_EQ(mode()->itemText(2), QStringLiteral("2:按SV切换 "));
    CellEditGrid* grid = m_window->grid();
    EXPECT_EQ(grid->horizontalHeaderItem(3)->text(), QStringLiteral("输出下限福"));
    EXPECT_EQ(grid->cellText(20, 0), QStringLiteral("20"));
    m_rig.line.model().setHolding(4609, 2);
    m_rig.line.model().setHolding(4689, 17);  // the last register of the table
    ASSERT_TRUE(refresh());
    EXPECT_EQ(test::Find<ReadoutLabel>(m_window.get(), "D_4WRWC_0")->text(), QStringLiteral("2"));
    EXPECT_EQ(mode()->currentText(), QStringLiteral("0:禁止 "));  // the refresh leaves the combo
    EXPECT_EQ(grid->cellText(1, 1), QStringLiteral("50"));        // 500 at one decimal
    EXPECT_EQ(grid->cellText(16, 4), QStringLiteral("16"));       // across the two reads
    EXPECT_EQ(grid->cellText(20, 4), QStringLiteral("17"));
}

struct LimitEntry {
    int row;
    int column;
    const char* text;
    const char* written;  // empty: rejected, nothing written
};

class GroupLimitsEntryTest : public GroupLimitsWindowTest,
                             public ::testing::WithParamInterface<LimitEntry> {};

// Temperatures are entered in Fahrenheit, whole degrees both in the grid and in the registers.
TEST_P(GroupLimitsEntryTest, EnterChecksTheRangeAndWritesTheRoundedValue) {
    const LimitEntry& entry = GetParam();
    if (entry.column == 1) useTempUnit(1);
    ASSERT_TRUE(refresh());
    const QString before = m_window->grid()->cellText(entry.row, entry.column);
    const std::size_t mark = m_rig.writeCount();
    clickCell(entry.row, entry.column);
    enter(entry.text);
    EXPECT_FALSE(m_window->grid()->editBox()->isVisible());
    if (*entry.written == '\0') {
        EXPECT_EQ(m_window->grid()->cellText(entry.row, entry.column), before);
        clickCell(20, 4);
        enter("9");  // a later write proves the rejected one went nowhere
        ASSERT_TRUE(m_rig.waitForWrite("holding 4689 9", mark));
        EXPECT_EQ(m_rig.writesSince(mark), std::vector<std::string>{"holding 4689 9"});
        return;
    }
    EXPECT_TRUE(m_rig.waitForWrite(entry.written, mark));
}

INSTANTIATE_TEST_SUITE_P(
    Columns, GroupLimitsEntryTest,
    ::testing::Values(LimitEntry{1, 2, "150", ""}, LimitEntry{1, 2, "100.4", ""},
                      LimitEntry{1, 2, "100", "holding 4611 100"},
                      LimitEntry{1, 3, "0", "holding 4612 0"}, LimitEntry{1, 3, "-1", ""},
                      LimitEntry{1, 2, "99.5", "holding 4611 100"},
                      LimitEntry{1, 2, "98.5", "holding 4611 98"},
                      LimitEntry{2, 1, "30000", "holding 4614 30000"},
                      LimitEntry{2, 1, "-10000", "holding 4614 -10000"},
                      LimitEntry{2, 1, "30000.5", ""}, LimitEntry{2, 1, "-10001", ""},
                      LimitEntry{20, 4, "25", "holding 4689 25"},
                      LimitEntry{20, 4, "-3", "holding 4689 -3"}));

TEST_F(GroupLimitsWindowTest, TemperatureIsRoundedToWholeUnitsBeforeItIsScaled) {
    m_rig.line.model().setHolding(4109, 14);  // linear main input, one decimal
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return m_rig.state.Scaling.Input1Type == 14; }, test::kWaitMs));
    const std::size_t mark = m_rig.writeCount();
    clickCell(3, 1);
    enter("100.4");
    EXPECT_TRUE(m_rig.waitForWrite("holding 4618 1000", mark));
    EXPECT_EQ(m_window->grid()->cellText(3, 1), QStringLiteral("100.4"));
    ASSERT_TRUE(refresh());
    EXPECT_EQ(m_window->grid()->cellText(3, 1), QStringLiteral("100"));
}

TEST_F(GroupLimitsWindowTest, CellsWriteAgainOnAnyFailure) {
    m_rig.line.change([](sim::SimulatorOptions& o) { o.exceptionHoldingRegisters = {4611}; });
    EXPECT_EQ(requestsForEdit(1, 2, "50"), 2u);
}

TEST_F(GroupLimitsWindowTest, ModeIsWrittenOnlyWhenTheOperatorChoseOrTypedOne) {
    const std::size_t mark = m_rig.writeCount();
    mode()->setFocus();
    QTest::keyClick(mode(), Qt::Key_Tab);  // passing through
    EXPECT_NE(QApplication::focusWidget(), mode());
    mode()->setFocus();
    mode()->lineEdit()->selectAll();
    QTest::keyClicks(mode(), "2");
    m_window->grid()->setFocus();
    ASSERT_TRUE(m_rig.waitForWrite("holding 4609 2", mark));
    mode()->setFocus();
    mode()->showPopup();  // the focus goes to the list and back: the choice is still made
    QAbstractItemView* list = mode()->view();
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->isVisible(); }));
    QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !list->isVisible() && mode()->hasFocus(); }));
    EXPECT_EQ(mode()->currentText(), QStringLiteral("1:按PV切换 "));
    m_window->grid()->setFocus();
    ASSERT_TRUE(m_rig.waitForWrite("holding 4609 1", mark));
    EXPECT_EQ(m_rig.writesSince(mark),
              (std::vector<std::string>{"holding 4609 2", "holding 4609 1"}));
}

// The controller picks group and PID set by the edited table, and the polled "PID in use"
// readouts of the overview follow.
TEST_F(GroupLimitsWindowTest, GroupingFollowsTheEditedTable) {
    clickCell(1, 4);
    enter("5");
    clickCell(1, 2);
    enter("40");
    mode()->setFocus();
    mode()->lineEdit()->selectAll();
    QTest::keyClicks(mode(), "1");  // by PV: 25.0 lies in group 1 (up to 50)
    m_window->grid()->setFocus();
    const auto& inUse = m_rig.state.ActivePid;
    EXPECT_TRUE(QTest::qWaitFor([&] { return inUse[0] == 5 && inUse[8] == 1 && inUse[9] == 40; },
                                test::kWaitMs));
}

}  // namespace vt
