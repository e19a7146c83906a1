#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "guarded_window.h"
#include "history_table_window.h"
#include "history_window.h"
#include "journal_window.h"
#include "overview_window.h"
#include "simulator_server.h"
#include "station.h"
#include "station_database.h"

using namespace vt;

namespace {

constexpr int kWait = 8000;

// A whole station with its in-process simulator and a fresh database, past its splash window.
class StationFlow : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        StationOptions options;
        options.simulate = true;
        options.databasePath = m_dir.filePath(QStringLiteral("station.db"));
        m_station = std::make_unique<Station>(options);
        QSignalSpy started(m_station.get(), &Station::started);
        ASSERT_TRUE(m_station->start());
        ASSERT_TRUE(started.wait(kWait));
        ASSERT_NE(flow().overview(), nullptr);
    }

    StationWindowFlow& flow() { return m_station->flow(); }

    // Port 1, the simulated controller, at 115200 baud.
    void openPort() { m_station->connection().open(1, 5, 0, 1); }

    int RecordCount(const char* table) {
        const DbConnection db = StationDatabase(m_dir.filePath(QStringLiteral("station.db")))
                                    .connect(QStringLiteral("probe"));
        QSqlQuery query(db.database());
        if (!query.exec(QStringLiteral("select count(*) from %1").arg(QLatin1String(table))) ||
            !query.next())
            return -1;
        return query.value(0).toInt();
    }

    static void Click(QWidget* window, const char* name) {
        auto* button = window->findChild<QPushButton*>(QLatin1String(name));
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }

    QTemporaryDir m_dir;
    std::unique_ptr<Station> m_station;
};

}  // namespace

TEST_F(StationFlow, TheLoggerWritesOnlyWhatThePollingMeasured) {
    EXPECT_TRUE(m_station->logger().isRunning());
    EXPECT_FALSE(m_station->polling().isRunning());
    openPort();
    EXPECT_TRUE(QTest::qWaitFor([&] { return RecordCount("pv_data") >= 1; }, kWait));
    EXPECT_GE(RecordCount("Lpv_wdjl"), 1);

    // A silent controller: after two ticks without an answer, and while it stays silent, no
    // record is added.
    sim::SimulatorOptions silent = m_station->simulator()->options();
    silent.dropRate = 1.0;
    m_station->simulator()->setOptions(silent);
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_station->polling().status().down(); }, kWait));
    const int atOutage = RecordCount("pv_data");
    QSignalSpy ticks(&m_station->polling(), &PollingCycle::tickFinished);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks.count() >= 2; }, kWait));
    EXPECT_EQ(RecordCount("pv_data"), atOutage);
}

TEST_F(StationFlow, TheCloseBoxIsRefusedAndTheOverviewKeepsWorking) {
    openPort();
    OverviewWindow* overview = flow().overview();
    EXPECT_FALSE(overview->close());
    QCoreApplication::processEvents();
    EXPECT_TRUE(overview->isVisible());
    EXPECT_TRUE(m_station->state().TrendWindowOpen);
    const int before = RecordCount("pv_data");
    // New samples still reach the overview's trend after the refusal.
    EXPECT_TRUE(QTest::qWaitFor([&] { return RecordCount("pv_data") > before; }, kWait));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !m_station->state().NewSampleFlag; }, kWait));
}

TEST_F(StationFlow, OverviewToHistoryAndBackReloadsTheOverviewWhileTheLoggerWrites) {
    openPort();
    OverviewWindow* first = flow().overview();
    const int before = RecordCount("pv_data");
    Click(first, "Command29");  // "历史记录"
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return flow().history() && flow().history()->isVisible(); }, kWait));
    EXPECT_TRUE(QTest::qWaitFor([&] { return flow().overview() == nullptr; }, kWait));
    EXPECT_TRUE(m_station->state().TrendWindowOpen);

    Click(flow().history(), "Command1");  // "返回"
    ASSERT_TRUE(QTest::qWaitFor([&] { return flow().overview() && flow().overview()->isVisible(); },
                                kWait));
    EXPECT_TRUE(QTest::qWaitFor([&] { return flow().history() == nullptr; }, kWait));
    EXPECT_TRUE(m_station->state().TrendWindowOpen);
    EXPECT_TRUE(QTest::qWaitFor([&] { return RecordCount("pv_data") > before + 1; }, kWait));
}

// The history window the flow makes offers the station's batches to "历史报告".
TEST_F(StationFlow, TheHistoryReportOffersTheBatchesBesideTheRing) {
    BatchRecorder& recorder = m_station->recorder();
    ASSERT_TRUE(recorder.startManual(recorder.proposal(), nullptr));
    flow().openHistory();
    ASSERT_NE(flow().history(), nullptr);
    Click(flow().history(), "CommandHistoryReport");
    auto* source = flow().history()->findChild<QComboBox*>(QStringLiteral("ReportSource"));
    ASSERT_NE(source, nullptr);
    ASSERT_EQ(source->count(), 2);
    EXPECT_TRUE(source->itemText(1).startsWith(QStringLiteral("批次 1")))
        << qPrintable(source->itemText(1));
    source->parentWidget()->close();
}

TEST_F(StationFlow, EscapeOnTheOverviewEndsTheStation) {
    QSignalSpy exit(&flow(), &StationWindowFlow::exitRequested);
    OverviewWindow* overview = flow().overview();
    QApplication::setActiveWindow(overview);
    ASSERT_TRUE(QTest::qWaitForWindowActive(overview));
    auto* entry = overview->findChild<QWidget*>(QStringLiteral("T_3RW_2"));
    ASSERT_NE(entry, nullptr);
    entry->setFocus();
    QTest::keyClick(entry, Qt::Key_Escape);
    EXPECT_EQ(exit.count(), 1);
}

TEST_F(StationFlow, AnEditorButtonHidesTheOverviewAndItsReturnBringsItBack) {
    OverviewWindow* overview = flow().overview();
    Click(overview, "Command16");  // "PID参数"
    ASSERT_NE(flow().editor(), nullptr);
    EXPECT_EQ(flow().editor()->objectName(), QStringLiteral("PIDC"));
    EXPECT_EQ(flow().editor()->windowTitle(), QStringLiteral("PID参数设置"));
    EXPECT_FALSE(overview->isVisible());
    EXPECT_FALSE(flow().editor()->close());  // guarded too

    Click(flow().editor(), "Command2");  // "返回"
    EXPECT_TRUE(QTest::qWaitFor([&] { return flow().editor() == nullptr; }, kWait));
    EXPECT_EQ(flow().overview(), overview);  // only hidden, never unloaded
    EXPECT_TRUE(overview->isVisible());
}

TEST_F(StationFlow, TheHistoryTableAndTheJournalReturnToTheHistoryWindowAsItWasLeft) {
    // A command with the port closed: not sent, and journaled as such.
    Click(flow().overview(), "CoilToggle_1");
    ASSERT_TRUE(QTest::qWaitFor([&] { return RecordCount("write_journal") == 1; }, kWait));
    Click(flow().overview(), "Command29");
    ASSERT_TRUE(QTest::qWaitFor([&] { return flow().history() != nullptr; }, kWait));
    HistoryWindow* history = flow().history();
    const std::pair<const char*, std::function<QWidget*()>> sideWindows[] = {
        {"Command9", [&] { return flow().historyTable(); }},    // "历史表格"
        {"CommandJournal", [&] { return flow().journal(); }}};  // "操作记录"
    for (const auto& [button, shown] : sideWindows) {
        Click(history, button);
        ASSERT_NE(shown(), nullptr) << button;
        EXPECT_FALSE(history->isVisible());
        Click(shown(), "Command1");  // "返回上一级"
        EXPECT_TRUE(QTest::qWaitFor([&] { return shown() == nullptr; }, kWait)) << button;
        EXPECT_EQ(flow().history(), history);
        EXPECT_TRUE(history->isVisible());
    }
}
