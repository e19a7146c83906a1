#include <gtest/gtest.h>
#include <signal.h>

#include <QProcess>
#include <QRandomGenerator>
#include <QSqlQuery>

#include "ring_fixture.h"
#include "ring_rule.h"
#include "temp_station.h"

using namespace vt;

namespace {

constexpr int kRounds = 20;
constexpr qint64 kSecondsPerRound = 1000000;

// Starts the logging child and kills it with SIGKILL once it has done `ticks` ticks or more.
void LogAndKill(const QString& path, int round, int ticks) {
    QProcess child;
    child.start(QStringLiteral(LOGGER_CRASH_CHILD),
                {path, QString::number(round * kSecondsPerRound)});
    ASSERT_TRUE(child.waitForStarted(10000));
    int done = 0;
    while (done < ticks) {
        if (!child.canReadLine()) {
            ASSERT_TRUE(child.waitForReadyRead(10000)) << "child stalled";
        }
        while (child.canReadLine()) done = child.readLine().trimmed().toInt();
    }
    ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
    ASSERT_TRUE(child.waitForFinished(10000));
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);
}

// The ring's position names its newest record, and oldest to newest the ids follow the ring
// rule without a gap.
void ExpectRingCoveredByItsPosition(const QSqlDatabase& db, Ring ring, int round) {
    const auto positions = vt::testing::Positions(db);
    const int column = ring == Ring::Second ? 0 : 2;
    EXPECT_EQ(positions[column], positions[column + 1]);
    const auto records = vt::testing::RecordsByTime(db, ring);
    ASSERT_FALSE(records.empty()) << "round " << round;
    EXPECT_EQ(records.back().id, positions[column]) << "round " << round;
    for (size_t i = 1; i < records.size(); ++i) {
        ASSERT_EQ(records[i].id, NextRingId(records[i - 1].id)) << "round " << round;
    }
}

}  // namespace

TEST(CrashSafety, KilledLoggerLeavesEveryPositionOnItsNewestWrittenRecord) {
    vt::testing::TempStation station;
    vt::testing::SetPositions(station.check.database(), 65400, 65490);  // wrap early on
    station.check = DbConnection();
    for (int round = 0; round < kRounds; ++round) {
        LogAndKill(station.database.path(), round, 50 * QRandomGenerator::global()->bounded(1, 20));
        const DbConnection check = station.database.connect(QStringLiteral("check"));
        QSqlQuery integrity(check.database());
        ASSERT_TRUE(integrity.exec(QStringLiteral("pragma integrity_check")) && integrity.next());
        EXPECT_EQ(integrity.value(0).toString(), "ok");
        integrity.finish();
        ExpectRingCoveredByItsPosition(check.database(), Ring::Second, round);
        ExpectRingCoveredByItsPosition(check.database(), Ring::TenSecond, round);
    }
}
