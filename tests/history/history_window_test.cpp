// The history window on the offscreen platform, over a real database file.
#include "history_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QTest>
#include <QTimer>
#include <cmath>

#include "data_logger.h"
#include "day_serial.h"
#include "trend_chart.h"
#include "trend_text.h"
#include "window_rig.h"

namespace vt::test {
namespace {

constexpr std::int32_t kFull = kRingCapacity;

bool HasConnection(const char* user) {
    return QSqlDatabase::connectionNames().filter(QLatin1String(user)).size() > 0;
}

class HistoryWindowTest : public ::testing::Test {
  protected:
    void open() {
        window = std::make_unique<HistoryWindow>(rig.context);
        window->resize(1280, 800);
    }
    void showActive() {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    const TrendState& trend() const { return window->chart()->engine().state(); }
    // The records fill column 0 with their id.
    std::int32_t idAtRow(int row) const { return std::lround(trend().TrendValue[row][0]); }
    template <typename T>
    T* child(const QString& name) const {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QString text(const char* label) const { return child<QLabel>(QLatin1String(label))->text(); }
    QTimer* displayTimer() const { return child<QTimer>(QStringLiteral("Timer1")); }

    WindowRig rig;
    std::unique_ptr<HistoryWindow> window;
};

struct LoadCase {
    std::int32_t firstIdWritten;  // a full ring is written from this id on
    std::int32_t newestId;
    std::int32_t loadStartId;
    std::vector<std::pair<std::int32_t, std::int32_t>> idRuns;  // rows 1..241 in order
};

TEST_F(HistoryWindowTest, OpensOnTheNewest241RecordsOfTheTenSecondRing) {
    const std::vector<LoadCase> cases{
        {5001, 5000, 4759, {{4760, 5000}}},
        {101, 100, 65359, {{65360, 65500}, {1, 100}}},
        {242, 241, 0, {{1, 241}}},
    };
    for (const LoadCase& c : cases) {
        SCOPED_TRACE(c.newestId);
        ASSERT_EQ(rig.fillTenSecondRing(c.firstIdWritten, kFull, QDateTime::currentDateTime()),
                  c.newestId);
        open();
        EXPECT_EQ(trend().NewestId, c.newestId);
        EXPECT_EQ(trend().LoadStartId, c.loadStartId);
        int row = 1;
        for (const auto& [first, last] : c.idRuns) {
            for (std::int32_t id = first; id <= last; ++id, ++row) ASSERT_EQ(idAtRow(row), id);
        }
        EXPECT_EQ(row, 242);
        for (int r = 2; r <= 241; ++r) ASSERT_GT(trend().TrendTime[r], trend().TrendTime[r - 1]);
        window.reset();
    }
}

TEST_F(HistoryWindowTest, OnlyATenSecondRecordAddsASample) {
    const QDateTime start = QDateTime::currentDateTime();
    rig.fillTenSecondRing(1, 500, start.addSecs(-10));
    open();
    DataLogger logger(rig.state, rig.station.database.path(), [] { return QDateTime(); });
    rig.state.LiveValue[0] = 123.5f;

    logger.tick(start);  // the first tick writes both rings
    window->refreshDisplay();
    EXPECT_EQ(trend().WriteIndex, 242);
    EXPECT_FLOAT_EQ(trend().TrendValue[242][0], 123.5f);
    EXPECT_FALSE(rig.state.NewHistorySampleFlag);

    rig.state.NewSampleFlag = false;
    logger.tick(start.addSecs(1));
    ASSERT_TRUE(rig.state.NewSampleFlag);
    window->refreshDisplay();
    EXPECT_EQ(trend().WriteIndex, 242);

    logger.tick(start.addSecs(10));
    window->refreshDisplay();
    EXPECT_EQ(trend().WriteIndex, 243);
}

TEST_F(HistoryWindowTest, ANoticeRaisedBeforeTheWindowOpenedAddsNoSecondCopy) {
    rig.fillTenSecondRing(1, 500, QDateTime::currentDateTime());
    rig.state.NewHistorySampleFlag = true;  // the logger's notice of record 500
    open();
    window->refreshDisplay();
    EXPECT_EQ(trend().NewestId, 500);
    EXPECT_EQ(trend().WriteIndex, 241);
}

TEST_F(HistoryWindowTest, ARecordWhileTheRulerIsOnWaitsUntilTheLiveWindowRuns) {
    const QDateTime start = QDateTime::currentDateTime();
    rig.fillTenSecondRing(1, 500, start.addSecs(-10));
    open();
    DataLogger logger(rig.state, rig.station.database.path(), [] { return QDateTime(); });
    window->chart()->handleKey(Qt::Key_F4);
    EXPECT_FALSE(displayTimer()->isActive());
    logger.tick(start);
    QTest::qWait(300);  // a display tick would have come by now
    EXPECT_TRUE(rig.state.NewHistorySampleFlag);
    EXPECT_EQ(trend().WriteIndex, 241);

    window->chart()->handleKey(Qt::Key_F4);  // the ruler goes: live load, then the timer runs
    EXPECT_EQ(trend().NewestId, 501);
    EXPECT_TRUE(displayTimer()->isActive());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !rig.state.NewHistorySampleFlag; }, 2000));
    EXPECT_EQ(trend().WriteIndex, 242);
}

TEST_F(HistoryWindowTest, ValueAxisChangedHereIsTheOverviewsToo) {
    open();
    window->show();
    QTest::mouseDClick(child<QLabel>(QStringLiteral("Label5_3")), Qt::LeftButton);
    QLabel* caption = child<QLabel>(QStringLiteral("Label9"));
    EXPECT_TRUE(caption->isVisible());
    child<QLineEdit>(QStringLiteral("YKD"))->setText(QStringLiteral("600"));
    child<QLineEdit>(QStringLiteral("YKD1"))->setText(QStringLiteral("-300"));
    QTest::mouseClick(child<QPushButton>(QStringLiteral("CommandChangeY")), Qt::LeftButton);
    EXPECT_FALSE(caption->isVisible());  // the editor hides after an accepted change
    EXPECT_EQ(text("Label5_6"), QStringLiteral("600"));

    TrendChart overview(OverviewTrendSettings(), rig.state);
    overview.initialise();
    EXPECT_EQ(overview.findChild<QLabel*>(QStringLiteral("Label5_0"))->text(),
              QStringLiteral("-300"));
    EXPECT_EQ(overview.findChild<QLabel*>(QStringLiteral("Label5_6"))->text(),
              QStringLiteral("600"));
}

TEST_F(HistoryWindowTest, ZoomKeysAreRefusedBeyondTheEnds) {
    open();
    showActive();
    QPushButton* zoomOut = child<QPushButton>(QStringLiteral("Command4"));
    QPushButton* zoomIn = child<QPushButton>(QStringLiteral("Command3"));
    QTest::keyClick(window.get(), Qt::Key_F2);
    EXPECT_EQ(trend().ZoomLevel, 1);
    EXPECT_FALSE(zoomIn->isEnabled());
    for (int i = 0; i < 4; ++i) QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_EQ(trend().ZoomLevel, 4);
    EXPECT_FALSE(zoomOut->isEnabled());
    QTest::keyClick(window.get(), Qt::Key_F2);
    EXPECT_EQ(trend().ZoomLevel, 3);
}

TEST_F(HistoryWindowTest, LabelsBeyondTheNewestSampleStep100SecondsPerZoomLevel) {
    const QDateTime newest(QDate::currentDate(), QTime(23, 55, 0));
    rig.fillTenSecondRing(1, 400, newest);
    open();
    window->chart()->handleKey(Qt::Key_F1);
    ASSERT_EQ(trend().ZoomLevel, 2);
    EXPECT_EQ(text("Label4_7"), QStringLiteral("23:58:20"));
    EXPECT_EQ(text("Label4_8"), QStringLiteral("00:01:40"));
    const double today = trend().TrendDate[241];
    EXPECT_EQ(text("Label7_7"), TrendDateText(today));
    EXPECT_EQ(text("Label7_8"), TrendDateText(today + 1));
}

TEST_F(HistoryWindowTest, ShowsTheHistoryCaptionsAndLiveReadouts) {
    rig.state.LiveValue[0] = 250.5f;
    rig.state.LiveValue[5] = -3;
    open();
    EXPECT_EQ(window->objectName(), QStringLiteral("lsqx"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("过程控制仪表"));
    EXPECT_EQ(text("Title"), QStringLiteral("历史长周期曲线"));
    EXPECT_EQ(child<QPushButton>(QStringLiteral("Command4"))->text(), QStringLiteral("F1 缩小"));
    EXPECT_EQ(child<QPushButton>(QStringLiteral("Command3"))->text(), QStringLiteral("F2 放大"));
    EXPECT_EQ(text("Label9"), QStringLiteral("Y最大"));
    EXPECT_EQ(text("Label10"), QStringLiteral("Y最小"));
    EXPECT_EQ(text("Label6_0"), QStringLiteral("0"));
    EXPECT_EQ(text("Label6_6"), QStringLiteral("120"));
    const QStringList captions{"PV1值", "输出OP", "SV值", "PV2值", "SV1值", "SV2值"};
    for (int j = 0; j < 6; ++j) {
        const QString name = QStringLiteral("D_3W_%1").arg(j);
        QString caption;
        for (const QLabel* label : window->findChildren<QLabel*>()) {
            if (label->buddy() && label->buddy()->objectName() == name) caption = label->text();
        }
        EXPECT_EQ(caption, captions[j]) << name.toStdString();
    }
    EXPECT_EQ(text("D_3W_0"), QStringLiteral("250.5"));
    EXPECT_EQ(text("D_3W_5"), QStringLiteral("-3"));
}

TEST_F(HistoryWindowTest, ReturnAndEscGoBackToTheOverviewAndLetGoOfTheDatabase) {
    for (const bool byEsc : {false, true}) {
        SCOPED_TRACE(byEsc);
        rig.flow.calls.clear();
        open();
        showActive();
        EXPECT_TRUE(rig.state.TrendWindowOpen);
        EXPECT_TRUE(HasConnection("lsqx"));
        if (byEsc) {
            QTest::keyClick(window.get(), Qt::Key_Escape);
        } else {
            QTest::mouseClick(child<QPushButton>(QStringLiteral("Command1")), Qt::LeftButton);
        }
        EXPECT_EQ(rig.flow.calls, QStringList{QStringLiteral("returnFromHistory")});
        EXPECT_FALSE(window->isVisible());
        EXPECT_FALSE(rig.state.TrendWindowOpen);
        EXPECT_FALSE(HasConnection("lsqx"));
        window.reset();
    }
}

TEST_F(HistoryWindowTest, TheTableAndTheJournalLeaveTheWindowLoaded) {
    open();
    window->show();
    QTest::mouseClick(child<QPushButton>(QStringLiteral("Command9")), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(QStringLiteral("CommandJournal")), Qt::LeftButton);
    EXPECT_EQ(child<QPushButton>(QStringLiteral("CommandJournal"))->text(),
              QStringLiteral("操作记录"));
    EXPECT_EQ(rig.flow.calls,
              (QStringList{QStringLiteral("openHistoryTable"), QStringLiteral("openJournal")}));
    EXPECT_TRUE(window->keepOpen());
    EXPECT_TRUE(displayTimer()->isActive());
    EXPECT_TRUE(rig.state.TrendWindowOpen);
}

TEST_F(HistoryWindowTest, ARefusedCloseLeavesTheWindowFullyWorking) {
    const QDateTime start = QDateTime::currentDateTime();
    rig.fillTenSecondRing(1, 300, start.addSecs(-10));
    open();
    window->show();
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(rig.state.TrendWindowOpen);
    EXPECT_TRUE(displayTimer()->isActive());

    DataLogger logger(rig.state, rig.station.database.path(), [] { return QDateTime(); });
    logger.tick(start);
    window->refreshDisplay();
    EXPECT_EQ(trend().WriteIndex, 242);
    window->chart()->liveLoad();  // still reads its database
    EXPECT_EQ(trend().NewestId, 301);
}

}  // namespace
}  // namespace vt::test
