// The alarm window, the overview's alarm line and the sound over a real alarm centre on a real
// station database, on the offscreen platform.
#include "alarm_list_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "alarm_banner.h"
#include "alarm_centre.h"
#include "alarm_history_model.h"
#include "alarm_history_tab.h"
#include "alarm_sound.h"
#include "csv_export_control.h"
#include "temp_station.h"

namespace vt {
namespace {

class AlarmWindowTest : public ::testing::Test {
  protected:
    AlarmWindowTest() {
        QStandardPaths::setTestModeEnabled(true);
        m_in.linkUp = true;
        m_in.alarm1Type = 1;
    }

    void tick(bool alarm1, bool alarm2 = false) {
        m_in.now = QDateTime::currentDateTime();
        m_in.inputBits[0] = alarm1;
        m_in.inputBits[1] = alarm2;
        m_centre.evaluate(m_in);
    }
    void press(AlarmListWindow& window, const char* name) {
        window.findChild<QPushButton*>(QString::fromLatin1(name))->click();
    }
    AlarmState state(AlarmSource source) const { return m_centre.book().alarm(source).state; }

    testing::TempStation m_station;
    AlarmCentre m_centre{m_station.database.path()};
    int m_beeps = 0;
    AlarmSound m_sound{m_centre, [this] { ++m_beeps; }};
    AlarmInputs m_in;
};

TEST_F(AlarmWindowTest, AcknowledgeNeedsANameAndTheHistoryListsItWithTheName) {
    AlarmBanner banner(m_centre);
    AlarmListWindow window(m_centre, m_sound, m_station.database.path());
    window.operatorBox()->clear();
    tick(true);
    EXPECT_EQ(banner.line()->text().right(5), QStringLiteral("上限报警1"));
    window.list()->selectRow(0);
    press(window, "CommandAck");
    EXPECT_EQ(state(AlarmSource::Alarm1), AlarmState::ActiveUnack);
    EXPECT_FALSE(window.status()->text().isEmpty());

    window.operatorBox()->setText(QStringLiteral("张三"));
    window.commentBox()->setText(QStringLiteral("已通知班长"));
    window.list()->selectRow(0);
    press(window, "CommandAck");
    EXPECT_EQ(state(AlarmSource::Alarm1), AlarmState::ActiveAck);
    EXPECT_EQ(m_centre.book().alarm(AlarmSource::Alarm1).ackBy, QStringLiteral("张三"));
    tick(false);
    EXPECT_EQ(banner.line()->text(), QStringLiteral("无报警"));

    window.history()->query();
    AlarmHistoryModel* history = window.history()->model();
    ASSERT_EQ(history->rowCount(), 3);
    EXPECT_EQ(history->record(0).kind, TransitionKind::Clear);
    EXPECT_EQ(history->record(1).kind, TransitionKind::Acknowledge);
    EXPECT_EQ(history->record(1).who, QStringLiteral("张三"));
    EXPECT_EQ(history->record(1).comment, QStringLiteral("已通知班长"));
    EXPECT_EQ(history->record(2).kind, TransitionKind::Raise);

    AlarmListWindow again(m_centre, m_sound, m_station.database.path());
    EXPECT_EQ(again.operatorBox()->text(), QStringLiteral("张三"));
}

TEST_F(AlarmWindowTest, HistoryFilterByTextAndEvent) {
    tick(true, true);
    tick(false, true);
    AlarmListWindow window(m_centre, m_sound, m_station.database.path());
    AlarmHistoryTab& tab = *window.history();
    AlarmFilter filter = tab.filter();
    filter.text = QStringLiteral("报警1");
    tab.setFilter(filter);
    tab.query();
    EXPECT_EQ(tab.model()->rowCount(), 2);
    filter.kind = TransitionKind::Raise;
    filter.text.clear();
    tab.setFilter(filter);
    tab.query();
    EXPECT_EQ(tab.model()->rowCount(), 2);
    filter.first = filter.last = QDate::currentDate().addDays(-1);
    tab.setFilter(filter);
    tab.query();
    EXPECT_EQ(tab.model()->rowCount(), 0);
}

TEST_F(AlarmWindowTest, HistoryExportsWhatTheFilterShows) {
    tick(true);
    tick(false);
    AlarmListWindow window(m_centre, m_sound, m_station.database.path());
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("alarms.csv"));
    bool done = false;
    int rows = -1;
    QObject::connect(window.history()->exporter(), &CsvExportControl::finished,
                     [&](bool ok, int records) { done = ok, rows = records; });
    window.history()->exporter()->exportTo(csv);
    ASSERT_TRUE(QTest::qWaitFor([&] { return rows >= 0; }));
    EXPECT_TRUE(done);
    EXPECT_EQ(rows, 2);
}

TEST_F(AlarmWindowTest, SoundUntilSilencedOrAcknowledgedAndBackOnANewAlarm) {
    AlarmListWindow window(m_centre, m_sound, m_station.database.path());
    window.operatorBox()->setText(QStringLiteral("李四"));
    tick(true);
    EXPECT_TRUE(m_sound.sounding());
    EXPECT_EQ(m_beeps, 1);
    press(window, "CommandSilence");
    EXPECT_FALSE(m_sound.sounding());
    tick(true, true);
    EXPECT_TRUE(m_sound.sounding());
    press(window, "CommandAckAll");
    EXPECT_FALSE(m_sound.sounding());
    m_sound.setEnabled(false);
    tick(false, false);
    tick(true, false);
    EXPECT_FALSE(m_sound.sounding());
    AlarmSound restarted(m_centre, [] {});
    EXPECT_FALSE(restarted.enabled());
    m_sound.setEnabled(true);
    EXPECT_TRUE(m_sound.sounding());
}

TEST_F(AlarmWindowTest, ShelvedAlarmIsSilentAndGrey) {
    AlarmListWindow window(m_centre, m_sound, m_station.database.path());
    window.operatorBox()->setText(QStringLiteral("李四"));
    tick(true);
    window.list()->selectRow(0);
    press(window, "CommandShelve");
    EXPECT_EQ(state(AlarmSource::Alarm1), AlarmState::Shelved);
    EXPECT_FALSE(m_sound.sounding());
    EXPECT_TRUE(m_centre.book().alarm(AlarmSource::Alarm1).until >
                QDateTime::currentDateTime().addSecs(3500));
}

}  // namespace
}  // namespace vt
