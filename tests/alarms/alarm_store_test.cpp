// The alarm store on a real station database: trimming in the adding transaction, and what a
// restarted station finds standing.
#include "alarm_store.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QSqlQuery>

#include "alarm_centre.h"
#include "temp_station.h"

namespace vt {
namespace {

AlarmTransition Raise(AlarmSource source, int n) {
    AlarmTransition t;
    t.time = QDateTime(QDate(2026, 3, 1), QTime(10, 0)).addSecs(n);
    t.source = source;
    t.state = AlarmState::ActiveUnack;
    t.text = QStringLiteral("报警%1").arg(n);
    return t;
}

int Rows(testing::TempStation& station) {
    QSqlQuery query(station.check.database());
    query.exec(QStringLiteral("select count(*), min(id) from alarm_log"));
    query.next();
    return query.value(0).toInt();
}

TEST(AlarmStore, KeepsTheNewestRowsOnly) {
    testing::TempStation station;
    AlarmStore store(station.database.path(), 5);
    for (int n = 1; n <= 8; ++n) {
        AlarmTransition t = Raise(AlarmSource::Alarm1, n);
        ASSERT_TRUE(store.append(t));
        EXPECT_EQ(t.id, n);
    }
    EXPECT_EQ(Rows(station), 5);
    QSqlQuery query(station.check.database());
    query.exec(QStringLiteral("select min(id) from alarm_log"));
    query.next();
    EXPECT_EQ(query.value(0).toInt(), 4);
}

TEST(AlarmStore, LastOfEachSourceRoundTrips) {
    testing::TempStation station;
    AlarmStore store(station.database.path());
    AlarmTransition first = Raise(AlarmSource::Alarm1, 1);
    AlarmTransition ack = Raise(AlarmSource::Alarm1, 2);
    ack.kind = TransitionKind::Acknowledge;
    ack.state = AlarmState::ActiveAck;
    ack.who = QStringLiteral("王五");
    ack.comment = QStringLiteral("已通知");
    ack.raised = first.time;
    AlarmTransition disk = Raise(AlarmSource::DiskSpace, 3);
    for (AlarmTransition* t : {&first, &ack, &disk}) store.append(*t);
    const auto last = store.lastOfEachSource();
    ASSERT_EQ(last.size(), 2u);
    EXPECT_EQ(last[0].kind, TransitionKind::Acknowledge);
    EXPECT_EQ(last[0].who, ack.who);
    EXPECT_EQ(last[0].comment, ack.comment);
    EXPECT_EQ(last[0].raised, first.time);
    EXPECT_EQ(last[0].time, ack.time);
    EXPECT_EQ(last[1].source, AlarmSource::DiskSpace);
}

TEST(AlarmCentre, RestartShowsWhatStoodAndDoesNotRaiseTwice) {
    testing::TempStation station;
    AlarmInputs in;
    in.now = QDateTime::currentDateTime();
    in.linkUp = true;
    in.inputBits[0] = true;
    {
        AlarmCentre centre(station.database.path());
        centre.evaluate(in);
        ASSERT_EQ(centre.book().alarm(AlarmSource::Alarm1).state, AlarmState::ActiveUnack);
    }
    AlarmCentre restarted(station.database.path());
    EXPECT_EQ(restarted.book().alarm(AlarmSource::Alarm1).state, AlarmState::ActiveUnack);
    EXPECT_TRUE(restarted.book().alarm(AlarmSource::Alarm1).unknown);
    QSignalSpy recorded(&restarted, &AlarmCentre::transitionRecorded);
    in.now = in.now.addSecs(1);
    restarted.evaluate(in);
    EXPECT_EQ(recorded.count(), 0);
    EXPECT_EQ(Rows(station), 1);
}

TEST(AlarmCentre, RebuiltDatabaseIsRaisedNamingTheKeptFileUntilAcknowledged) {
    testing::TempStation station;
    AlarmCentre centre(station.database.path());
    centre.databaseRebuilt(QStringLiteral("/data/Rdatabj.db.unusable-20260301-080000"));
    AlarmInputs in;
    in.now = QDateTime::currentDateTime();
    centre.evaluate(in);
    const StandingAlarm& rebuilt = centre.book().alarm(AlarmSource::DatabaseRebuilt);
    EXPECT_EQ(rebuilt.state, AlarmState::ClearedUnack);
    EXPECT_EQ(rebuilt.text, QStringLiteral("数据库已重建"));
    EXPECT_EQ(rebuilt.value, QStringLiteral("/data/Rdatabj.db.unusable-20260301-080000"));
}

}  // namespace
}  // namespace vt
