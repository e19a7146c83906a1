// The journal window over real journal entries: writes sent through the link to the simulator,
// or entries filled on chosen days.
#include "journal_window.h"

#include <gtest/gtest.h>

#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include "journal_columns.h"
#include "journal_fixture.h"
#include "journal_table_model.h"
#include "link_jobs.h"
#include "window_rig.h"

namespace vt::test {
namespace {

class JournalWindowTest : public ::testing::Test {
  protected:
    void open() {
        window = std::make_unique<JournalWindow>(rig.context);
        window->show();
    }

    // `count` entries on `date`, the first sending `firstValue`.
    void fill(const QDate& date, int count, int firstValue, const QString& entered = {}) {
        JournalEntry entry;
        entry.window = QStringLiteral("PIDC PID参数设置");
        entry.number = 4354;
        entry.caption = QStringLiteral("输出1积分时间");
        entry.value = firstValue;
        entry.entered = entered;
        entry.result = JournalResult::Written;
        vt::testing::FillJournal(rig.station.check.database(), entry, date, count);
    }

    QStringList row(int index) const {
        QStringList cells;
        for (int c = 0; c < kJournalColumns; ++c)
            cells << window->model()->index(index, c).data().toString();
        return cells;
    }

    // The values sent, as the grid lists them.
    std::vector<int> sentValues() const {
        std::vector<int> values;
        for (int r = 0; r < window->model()->rowCount(); ++r)
            values.push_back(window->model()->entry(r).value);
        return values;
    }

    WindowRig rig;
    std::unique_ptr<JournalWindow> window;
};

}  // namespace

TEST_F(JournalWindowTest, WritesShowNewestFirstWithEveryFieldAndUnconfirmedOnesOnTheWarningColour) {
    ASSERT_TRUE(rig.openPort());
    LinkJob sv1 = WriteRegisterJob(rig.state, 3, 2500);
    sv1.note = {QStringLiteral("ssqx 总貌"), QStringLiteral("SV1"), QStringLiteral("100"),
                QStringLiteral("250")};
    rig.link.submit(sv1, nullptr);
    ASSERT_TRUE(rig.waitIdle());
    rig.line.change([](sim::SimulatorOptions& o) { o.exceptionHoldingRegisters = {3}; });
    rig.link.submit(sv1, nullptr);
    ASSERT_TRUE(rig.waitIdle());

    open();
    EXPECT_EQ(window->objectName(), QStringLiteral("czjl"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("操作记录"));
    ASSERT_EQ(window->model()->rowCount(), 2);
    QStringList newest = row(0);
    const QStringList stamp{newest[1], newest[2]};
    EXPECT_EQ(QDate::fromString(stamp[0], QStringLiteral("yyyy/M/d")), QDate::currentDate());
    EXPECT_EQ(newest, (QStringList{"2", stamp[0], stamp[1], "ssqx 总貌", "寄存器 3", "SV1", "100",
                                   "2500", "250", "异常应答（代码 2）", "否"}));
    EXPECT_EQ(row(1)[9], QStringLiteral("已写入"));
    EXPECT_EQ(window->model()->index(0, 4).data(Qt::BackgroundRole).value<QColor>(),
              kUnconfirmedColour);
    EXPECT_FALSE(window->model()->index(1, 4).data(Qt::BackgroundRole).isValid());
    QStringList heads;
    for (int c = 0; c < kJournalColumns; ++c)
        heads << window->model()->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(heads, (QStringList{"编号", "日期", "时间", "窗口", "地址", "参数", "原值", "写入值",
                                  "输入值", "结果", "重发"}));
}

TEST_F(JournalWindowTest, TheDaysChosenAreShownFromTheOldestEntryOnAndPagedAsTheViewScrolls) {
    fill(QDate(2026, 1, 5), 3, 100);
    fill(QDate(2026, 2, 10), 1200, 1000);
    fill(QDate::currentDate(), 1, 9000);
    open();
    EXPECT_EQ(window->findChild<QDateEdit*>(QStringLiteral("DateFrom"))->date(), QDate(2026, 1, 5));
    EXPECT_EQ(window->findChild<QDateEdit*>(QStringLiteral("DateTo"))->date(),
              QDate::currentDate());
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("EntryCount"))->text(),
              QStringLiteral("共 1204 条"));
    EXPECT_EQ(window->model()->rowCount(), JournalTableModel::kPageRows);
    window->findChild<QTableView*>(QStringLiteral("JournalGrid"))->scrollToBottom();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->model()->rowCount() > 500; }));
    while (window->model()->canFetchMore({})) window->model()->fetchMore({});
    std::vector<int> expected{9000};
    for (int v = 2199; v >= 1000; --v) expected.push_back(v);
    for (int v = 102; v >= 100; --v) expected.push_back(v);
    EXPECT_EQ(sentValues(), expected);

    // The dates typed the wrong way round are taken the right way round.
    window->findChild<QDateEdit*>(QStringLiteral("DateFrom"))->setDate(QDate(2026, 1, 31));
    window->findChild<QDateEdit*>(QStringLiteral("DateTo"))->setDate(QDate(2026, 1, 1));
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("CommandQuery")),
                      Qt::LeftButton);
    EXPECT_EQ(sentValues(), (std::vector<int>{102, 101, 100}));
    EXPECT_EQ(window->findChild<QDateEdit*>(QStringLiteral("DateFrom"))->date(), QDate(2026, 1, 1));
}

TEST_F(JournalWindowTest, ExportSavesTheDaysShownWithEveryCellReadable) {
    fill(QDate(2026, 2, 10), 2, 10, QStringLiteral("1,5 \"x\""));
    fill(QDate(2026, 3, 1), 5, 20);
    open();
    window->showDays(DayRange(QDate(2026, 2, 1), QDate(2026, 2, 28)));
    QSignalSpy finished(window.get(), &JournalWindow::exportFinished);
    const QString path = rig.station.dir.filePath(QStringLiteral("journal.csv"));
    window->exportTo(path);
    ASSERT_TRUE(finished.wait(10000));
    EXPECT_EQ(finished.first(), (QVariantList{true, 2}));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    const QStringList lines = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 4);  // header, two entries, the empty end
    EXPECT_EQ(lines[0], JournalCaptions().join(QLatin1Char(',')));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("2,2026/2/10,8:00:01,PIDC PID参数设置,")));
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral(",11,\"1,5 \"\"x\"\"\",已写入,否")))
        << lines[1].toStdString();
}

TEST_F(JournalWindowTest, TheCloseBoxIsRefusedAndReturnGoesBackToTheHistoryWindow) {
    open();
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    EXPECT_EQ(rig.flow.calls, QStringList{QStringLiteral("returnFromJournal")});
    EXPECT_FALSE(window->isVisible());
}

}  // namespace vt::test
