#include "group_pid_window.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>

#include "cell_status_bar.h"
#include "entry_text.h"
#include "group_table_fixture.h"

namespace vt {
namespace {

using GroupPidWindowTest = test::GroupTableFixture<GroupPidWindow>;

}  // namespace

TEST_F(GroupPidWindowTest, GridListsTwentySetsWithTheirAddressesRangesAndDescriptions) {
    CellEditGrid* grid = m_window->grid();
    EXPECT_EQ(grid->rowCount(), 120);
    EXPECT_EQ(grid->columnWidth(4), TwipsToPixels(9100));
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), QStringLiteral("功能 "));
    EXPECT_EQ(grid->cellText(1, 0), QStringLiteral("分组 1 加热比例带"));
    EXPECT_EQ(grid->cellText(3, 3), QStringLiteral("0-360.0 S"));
    EXPECT_EQ(grid->cellText(4, 4),
              QStringLiteral("付输出过程设定值为单位的比例带，单位：过程值，默认值：20"));
    EXPECT_EQ(grid->cellText(120, 0), QStringLiteral("分组 20 制冷微分时间 "));
    EXPECT_EQ(grid->cellText(120, 2), QStringLiteral("5240"));
    EXPECT_TRUE(grid->cellText(1, 1).isEmpty());  // until the first refresh
}

TEST_F(GroupPidWindowTest, RefreshShowsEverySetWithTheDerivativeTimesInTenths) {
    m_rig.line.model().setHolding(5240, 25);
    m_rig.line.model().setHolding(5239, -7);
    ASSERT_TRUE(refresh());
    CellEditGrid* grid = m_window->grid();
    EXPECT_EQ(grid->cellText(1, 1), QStringLiteral("20"));
    EXPECT_EQ(grid->cellText(2, 1), QStringLiteral("120"));
    EXPECT_EQ(grid->cellText(3, 1), QStringLiteral("10"));
    EXPECT_EQ(grid->cellText(119, 1), QStringLiteral("-7"));
    EXPECT_EQ(grid->cellText(120, 1), QStringLiteral("2.5"));
}

class GroupPidColumnTest : public GroupPidWindowTest, public ::testing::WithParamInterface<int> {};

TEST_P(GroupPidColumnTest, OnlyTheValueColumnOpensTheEditor) {
    clickCell(5, GetParam());
    EXPECT_EQ(m_window->grid()->editBox()->isVisible(), GetParam() == 1);
}

INSTANTIATE_TEST_SUITE_P(Columns, GroupPidColumnTest, ::testing::Values(0, 1, 2, 3, 4));

struct CellEntry {
    int row;
    const char* text;
    const char* written;
};

class GroupPidWriteTest : public GroupPidWindowTest,
                          public ::testing::WithParamInterface<CellEntry> {};

TEST_P(GroupPidWriteTest, EnterWritesTheValueAndTheCellShowsTheNumberTyped) {
    const std::size_t mark = m_rig.writeCount();
    clickCell(GetParam().row, 1);
    enter(GetParam().text);
    EXPECT_TRUE(m_rig.waitForWrite(GetParam().written, mark));
    EXPECT_FALSE(m_window->grid()->editBox()->isVisible());
    EXPECT_EQ(m_window->grid()->cellText(GetParam().row, 1),
              NumberText(EntryNumber(QString::fromUtf8(GetParam().text))));
}

INSTANTIATE_TEST_SUITE_P(Rows, GroupPidWriteTest,
                         ::testing::Values(CellEntry{3, "12.5", "holding 5123 125"},  // tenths
                                           CellEntry{2, "120", "holding 5122 120"},
                                           CellEntry{1, "30.5", "holding 5121 30"},  // to even
                                           CellEntry{120, "0.25", "holding 5240 2"},
                                           CellEntry{118, "abc", "holding 5238 0"}));

TEST_F(GroupPidWindowTest, ValuesWriteAgainOnAnyFailure) {
    m_rig.line.change([](sim::SimulatorOptions& o) { o.exceptionHoldingRegisters = {5122}; });
    EXPECT_EQ(requestsForEdit(2, 1, "5"), 2u);
}

TEST_F(GroupPidWindowTest, RefreshLeavesTheEditorsTextAndTheStatusBarShowsTheCell) {
    clickCell(7, 1);
    QTest::keyClicks(m_window->grid()->editBox(), "33");
    m_rig.line.model().setHolding(5127, 44);
    ASSERT_TRUE(refresh());
    EXPECT_EQ(m_window->grid()->cellText(7, 1), QStringLiteral("44"));
    EXPECT_EQ(m_window->grid()->editBox()->text(), QStringLiteral("33"));
    CellStatusBar* status = m_window->statusBar();
    EXPECT_EQ(status->objectName(), QStringLiteral("StatusBar1"));
    EXPECT_EQ(status->panel(1)->text(), QStringLiteral("当前行"));
    EXPECT_EQ(status->panel(3)->text(), QStringLiteral("当前列"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return status->panel(2)->text() == QStringLiteral("7"); }));
    EXPECT_EQ(status->panel(4)->text(), QStringLiteral("1"));
}

TEST_F(GroupPidWindowTest, FailedReadLeavesItsCellsAsTheyWere) {
    ASSERT_TRUE(refresh());
    m_rig.line.model().setHolding(5121, 77);
    m_rig.line.model().setHolding(5240, 88);
    m_rig.line.change([](sim::SimulatorOptions& o) { o.exceptionHoldingRegisters = {5150}; });
    ASSERT_TRUE(refresh());
    EXPECT_EQ(m_window->grid()->cellText(1, 1), QStringLiteral("20"));     // first read failed
    EXPECT_EQ(m_window->grid()->cellText(120, 1), QStringLiteral("8.8"));  // second came in
}

}  // namespace vt
