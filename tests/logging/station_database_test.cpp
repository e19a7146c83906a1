#include "station_database.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "data_logger.h"
#include "ring_fixture.h"
#include "ring_reader.h"
#include "saved_link_settings.h"

using namespace vt;
using vt::testing::FixtureStart;
using vt::testing::Positions;

namespace {

QString FirstValue(const QSqlDatabase& db, const QString& statement) {
    QSqlQuery query(db);
    return query.exec(statement) && query.next() ? query.value(0).toString() : QString();
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Ticks through `seconds` clock seconds, long enough for a failed logger to try again.
void TickThrough(DataLogger& logger, const QDateTime& from, int seconds) {
    for (int s = 0; s < seconds; ++s) logger.tick(from.addSecs(s));
}

}  // namespace

TEST(StationDatabase, DatabaseOptionChoosesTheFileElseTheDefaultOne) {
    QCommandLineParser parser;
    parser.addOption(StationDatabase::PathOption());
    parser.process(QStringList{"vtstation"});
    EXPECT_EQ(StationDatabase::PathFrom(parser), StationDatabase::DefaultPath());
    EXPECT_TRUE(StationDatabase::DefaultPath().endsWith(QStringLiteral("/Rdatabj.db")));
    parser.process(QStringList{"vtstation", "--database", "/data/other.db"});
    EXPECT_EQ(StationDatabase::PathFrom(parser), QStringLiteral("/data/other.db"));
}

TEST(StationDatabase, MissingFileIsMadeWithItsTablesAndLoggedInto) {
    QTemporaryDir dir;
    const StationDatabase database(dir.filePath(QStringLiteral("new/folder/Rdatabj.db")));
    ASSERT_TRUE(database.prepare());
    const DbConnection check = database.connect(QStringLiteral("check"));
    EXPECT_EQ(FirstValue(check.database(), QStringLiteral("pragma journal_mode")), "wal");
    EXPECT_EQ(Positions(check.database()), (std::array<std::int32_t, 4>{0, 0, 0, 0}));
    EXPECT_TRUE(SavedLinkSettings(check.database()).restore().has_value());
    EXPECT_EQ(
        FirstValue(check.database(),
                   QStringLiteral("select group_concat(type) from pragma_table_info('pv_data')")),
        "INTEGER,REAL,REAL,REAL,REAL,REAL,REAL,REAL,REAL,REAL,REAL");
    EXPECT_EQ(
        FirstValue(check.database(),
                   QStringLiteral("select group_concat(name) from pragma_table_info('Lpv_wdjl')")),
        "LW_Id,W_Date,W_Time,W_D1,W_D2,W_D3,W_D4,W_D5,W_D6,W_D7,W_D8");

    ControllerState state;
    DataLogger logger(state, database.path());
    logger.tick(FixtureStart());
    EXPECT_EQ(Positions(check.database()), (std::array<std::int32_t, 4>{1, 1, 1, 1}));
}

namespace {

struct UnusableFile {
    const char* name;
    std::function<QString(const QDir&)> make;      // returns the database path
    std::function<QString(const QString&)> state;  // what must not change
};

void PrintTo(const UnusableFile& file, std::ostream* out) { *out << file.name; }

QString BlockedFolder(const QDir& dir) {
    QFile blocker(dir.filePath(QStringLiteral("blocker")));
    blocker.open(QIODevice::WriteOnly);
    return dir.filePath(QStringLiteral("blocker/Rdatabj.db"));
}

QString CorruptFile(const QDir& dir) {
    const QString path = dir.filePath(QStringLiteral("Rdatabj.db"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(QByteArray(16384, '\x5a'));
    return path;
}

QString ForeignDatabase(const QDir& dir) {
    const QString path = dir.filePath(QStringLiteral("Rdatabj.db"));
    const DbConnection other(path, QStringLiteral("other"));
    QSqlQuery(other.database()).exec(QStringLiteral("create table other (a INTEGER)"));
    return path;
}

QString TableNames(const QString& path) {
    const DbConnection check(path, QStringLiteral("check"));
    return FirstValue(check.database(),
                      QStringLiteral("select group_concat(name) from sqlite_master"));
}

QString Exists(const QString& path) { return QFileInfo::exists(path) ? "exists" : "absent"; }

class UnusableDatabaseTest : public ::testing::TestWithParam<UnusableFile> {};

}  // namespace

TEST_P(UnusableDatabaseTest, StationRunsOnAndLogsNothing) {
    QTemporaryDir dir;
    const QString path = GetParam().make(QDir(dir.path()));
    const QString before = GetParam().state(path);
    const StationDatabase database(path);
    database.prepare();

    ControllerState state;
    DataLogger logger(state, path);
    logger.start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return state.PvLastDate != 0.0; }, 5000));
    TickThrough(logger, FixtureStart(), 25);
    EXPECT_TRUE(logger.isRunning());
    EXPECT_EQ(logger.writer().newestId(Ring::Second), 0);

    const DbConnection window = database.connect(QStringLiteral("window"));
    RingReader reader(window.database(), Ring::Second);
    EXPECT_EQ(reader.newestId(), 0);
    EXPECT_TRUE(reader.readWindow(240, 241).empty());
    EXPECT_FALSE(SavedLinkSettings(window.database()).save(1, 1, 1, 1));
    EXPECT_EQ(GetParam().state(path), before);
}

INSTANTIATE_TEST_SUITE_P(
    Files, UnusableDatabaseTest,
    ::testing::Values(UnusableFile{"FolderCannotBeMade", BlockedFolder, Exists},
                      UnusableFile{"CorruptFile", CorruptFile, Contents},
                      UnusableFile{"AnotherProgramsDatabase", ForeignDatabase, TableNames}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StationDatabase, ReadOnlyFileIsLeftAsItIs) {
    if (geteuid() == 0) GTEST_SKIP() << "file permissions do not bind the superuser";
    QTemporaryDir dir;
    const StationDatabase database(dir.filePath(QStringLiteral("Rdatabj.db")));
    ASSERT_TRUE(database.prepare());
    QFile::setPermissions(database.path(), QFile::ReadOwner);
    ControllerState state;
    DataLogger logger(state, database.path());
    TickThrough(logger, FixtureStart(), 25);
    EXPECT_EQ(logger.writer().newestId(Ring::Second), 0);
    const DbConnection check = database.connect(QStringLiteral("check"));
    EXPECT_EQ(Positions(check.database()), (std::array<std::int32_t, 4>{0, 0, 0, 0}));
}

TEST(StationDatabase, LoggingResumesWhenTheFileCanBeMadeAgain) {
    QTemporaryDir dir;
    const QString path = BlockedFolder(QDir(dir.path()));
    ControllerState state;
    DataLogger logger(state, path);
    TickThrough(logger, FixtureStart(), 5);
    ASSERT_FALSE(QFileInfo::exists(path));

    QFile::remove(dir.filePath(QStringLiteral("blocker")));
    TickThrough(logger, FixtureStart().addSecs(5), 25);
    ASSERT_TRUE(QFileInfo::exists(path));
    const DbConnection check(path, QStringLiteral("check"));
    const auto records = vt::testing::RecordsByTime(check.database(), Ring::Second);
    ASSERT_FALSE(records.empty());
    EXPECT_EQ(Positions(check.database())[0], records.back().id);
    EXPECT_EQ(records.back().id, static_cast<std::int32_t>(records.size()));
}
