// The history table window and its lazily filled model, over a real database file.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QPushButton>
#include <QSqlDatabase>
#include <QTableView>
#include <QTest>

#include "history_table_window.h"
#include "ring_table_columns.h"
#include "ring_table_model.h"
#include "window_rig.h"

namespace vt::test {
namespace {

const QStringList kCaptions{"编号",       "日期",    "时间",    "当前测量值", "输出OP",
                            "当前设定值", "输入1PV", "输入2PV", "SV1",        "SV2"};

class HistoryTableTest : public ::testing::Test {
  protected:
    void open() {
        window = std::make_unique<HistoryTableWindow>(rig.context);
        grid = window->findChild<QTableView*>(QStringLiteral("DataGrid1"));
        ASSERT_NE(grid, nullptr);
    }
    QString cell(int row, int column) const {
        return grid->model()->index(row, column).data().toString();
    }

    WindowRig rig;
    std::unique_ptr<HistoryTableWindow> window;
    QTableView* grid = nullptr;
};

TEST_F(HistoryTableTest, AnEmptyRingShowsTheTenCaptions) {
    open();
    window->show();
    EXPECT_EQ(window->objectName(), QStringLiteral("TABLE1"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("历史数据表格"));
    EXPECT_EQ(grid->model()->rowCount(), 0);
    QStringList shown;
    for (int c = 0; c < grid->horizontalHeader()->count(); ++c)
        shown << grid->model()->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(shown, kCaptions);
}

TEST_F(HistoryTableTest, AFullRingOpensWithOnePageAndTheViewFetchesTheRestOldestFirst) {
    const QDateTime newest(QDate(2026, 3, 9), QTime(7, 5, 30));
    rig.fillTenSecondRing(101, kRingCapacity, newest);
    open();
    RingTableModel* model = window->model();
    EXPECT_EQ(model->totalRecords(), kRingCapacity);
    EXPECT_EQ(model->rowCount(), RingTableModel::kPageRows);
    EXPECT_EQ(cell(0, 0), QStringLiteral("101"));  // the oldest record

    window->show();
    grid->scrollToBottom();
    EXPECT_TRUE(QTest::qWaitFor([&] { return model->rowCount() > RingTableModel::kPageRows; }));
    while (model->canFetchMore({})) model->fetchMore({});
    ASSERT_EQ(model->rowCount(), kRingCapacity);
    EXPECT_EQ(cell(kRingCapacity - 1, 0), QStringLiteral("100"));
    EXPECT_EQ(cell(kRingCapacity - 1, 1), QStringLiteral("2026/3/9"));
    EXPECT_EQ(cell(kRingCapacity - 1, 2), QStringLiteral("7:05:30"));
    for (int row = 1; row < kRingCapacity; ++row) {
        const RingRecord& before = model->record(row - 1);
        const RingRecord& after = model->record(row);
        ASSERT_LT(before.date + before.time, after.date + after.time) << row;
    }
}

TEST_F(HistoryTableTest, CellsShowTheRecordReadOnly) {
    rig.fillTenSecondRing(1, 3, QDateTime(QDate(2026, 11, 23), QTime(14, 0, 0)));
    open();
    QStringList row;
    for (int c = 0; c < kRingTableColumns; ++c) row << cell(2, c);
    EXPECT_EQ(row, (QStringList{"3", "2026/11/23", "14:00:00", "3", "3.1", "3.2", "3.3", "3.4",
                                "3.5", "3.6"}));
    EXPECT_FALSE(grid->model()->flags(grid->model()->index(0, 3)) & Qt::ItemIsEditable);
    EXPECT_EQ(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
}

TEST_F(HistoryTableTest, TheCloseBoxIsRefusedAndReturnGoesBackToTheHistoryWindow) {
    open();
    window->show();
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    EXPECT_EQ(rig.flow.calls, QStringList{QStringLiteral("returnFromHistoryTable")});
    EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace vt::test
