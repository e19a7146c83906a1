#include <gtest/gtest.h>
#include <signal.h>

#include <QProcess>
#include <QRandomGenerator>
#include <QSqlQuery>

#include "journal_fixture.h"
#include "modbus_master.h"
#include "ring_fixture.h"
#include "ring_rule.h"
#include "simulated_line.h"
#include "temp_station.h"

using namespace vt;

namespace {

constexpr int kRounds = 20;
constexpr qint64 kSecondsPerRound = 1000000;

// Starts `program` and kills it with SIGKILL once it has printed a count of `done` or more.
void RunAndKill(const QString& program, const QStringList& arguments, int done) {
    QProcess child;
    child.start(program, arguments);
    ASSERT_TRUE(child.waitForStarted(10000));
    int count = 0;
    while (count < done) {
        if (!child.canReadLine()) {
            ASSERT_TRUE(child.waitForReadyRead(10000)) << "child stalled";
        }
        while (child.canReadLine()) count = child.readLine().trimmed().toInt();
    }
    ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
    ASSERT_TRUE(child.waitForFinished(10000));
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);
}

void ExpectIntact(const QSqlDatabase& db) {
    QSqlQuery integrity(db);
    ASSERT_TRUE(integrity.exec(QStringLiteral("pragma integrity_check")) && integrity.next());
    EXPECT_EQ(integrity.value(0).toString(), "ok");
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
        RunAndKill(QStringLiteral(LOGGER_CRASH_CHILD),
                   {station.database.path(), QString::number(round * kSecondsPerRound)},
                   50 * QRandomGenerator::global()->bounded(1, 20));
        const DbConnection check = station.database.connect(QStringLiteral("check"));
        ExpectIntact(check.database());
        ExpectRingCoveredByItsPosition(check.database(), Ring::Second, round);
        ExpectRingCoveredByItsPosition(check.database(), Ring::TenSecond, round);
    }
}

// Once the writing child is gone: a read answered by the controller, which deals with requests
// one at a time, so every frame the child had sent is dealt with too.
void SettleLine(const vt::test::SimulatedLine& line) {
    ModbusMaster master(line.ports());
    master.openPort(vt::test::kSimPort, vt::test::kFastBaud, 0);
    std::int32_t value = 0;
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (master.readHolding(vt::test::kSimPort, vt::test::kSimSlave, 3, 1, &value) >= 0) return;
    }
    FAIL() << "the controller does not answer";
}

// The SV1 writes the controller carried out with values first .. first + 999.
std::vector<std::string> WritesFrom(const vt::test::SimulatedLine& line, int first) {
    std::vector<std::string> writes;
    for (const std::string& write : line.writes()) {
        const int value = std::stoi(write.substr(write.rfind(' ') + 1));
        if (write.rfind("holding 3 ", 0) == 0 && value >= first && value < first + 1000)
            writes.push_back(write);
    }
    return writes;
}

// A burst of writes killed at a random moment: every write the controller carried out has its
// entry, every entry that says "written" was carried out, in the same order, and only the write
// in flight may be left with its result unknown.
TEST(CrashSafety, KilledWritesLeaveNoEntryThatDisagreesWithTheController) {
    vt::test::SimulatedLine line;
    vt::testing::TempStation station;
    const QString device = line.ports().devicePath(vt::test::kSimPort);
    std::int64_t lastId = 0;
    for (int round = 0; round < kRounds; ++round) {
        const int first = 1000 * (round + 1);
        RunAndKill(QStringLiteral(JOURNAL_CRASH_CHILD),
                   {station.database.path(), device, QString::number(first)},
                   10 * QRandomGenerator::global()->bounded(1, 40));
        SettleLine(line);
        const std::vector<std::string> carriedOut = WritesFrom(line, first);
        ExpectIntact(station.check.database());

        std::vector<JournalEntry> entries;
        for (const JournalEntry& entry : vt::testing::JournalEntries(station.check.database()))
            if (entry.id > lastId) entries.push_back(entry);
        ASSERT_FALSE(entries.empty()) << "round " << round;
        lastId = entries.back().id;
        std::vector<std::string> written;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const bool last = i + 1 == entries.size();
            ASSERT_EQ(entries[i].value, first + static_cast<int>(i)) << "round " << round;
            if (entries[i].result == JournalResult::Written)
                written.push_back("holding 3 " + std::to_string(entries[i].value));
            else
                ASSERT_TRUE(last && entries[i].result == JournalResult::Unknown)
                    << "round " << round << " entry " << i;
        }
        std::vector<std::string> inFlight = written;
        inFlight.push_back("holding 3 " + std::to_string(entries.back().value));
        EXPECT_TRUE(carriedOut == written ||
                    (entries.back().result == JournalResult::Unknown && carriedOut == inFlight))
            << "round " << round << ": " << carriedOut.size() << " carried out, " << written.size()
            << " journaled as written, " << entries.size() << " entries";
    }
}
