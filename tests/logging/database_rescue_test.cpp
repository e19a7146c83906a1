// A station database that is not one (a foreign or corrupt file) is kept aside under a new
// name with its side files, never deleted, and a new one can be made in its place.
#include "database_rescue.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <functional>

#include "db_connection.h"
#include "station_database.h"

namespace vt {
namespace {

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void ForeignSqlite(const QString& path) {
    DbConnection db(path, QStringLiteral("foreign"));
    QSqlQuery(db.database()).exec(QStringLiteral("create table other (x INTEGER)"));
}

// A prepared station database whose pages after the header are overwritten.
void CorruptStation(const QString& path) {
    StationDatabase(path).prepare();
    {
        DbConnection db(path, QStringLiteral("flush"));
        QSqlQuery(db.database()).exec(QStringLiteral("pragma wal_checkpoint(truncate)"));
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek(100);
    file.write(QByteArray(8192, '\x5a'));
}

struct RescueCase {
    const char* name;
    std::function<void(const QString&)> make;
    bool usable;
};

class DatabaseRescueTest : public ::testing::TestWithParam<RescueCase> {};

TEST_P(DatabaseRescueTest, KeepsAsideOnlyWhatIsNotAStationDatabase) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Rdatabj.db"));
    GetParam().make(path);
    const QByteArray before = QFile::exists(path) ? [&] {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }() : QByteArray();
    const auto kept = KeepAsideIfUnusable(path, QDateTime(QDate(2026, 3, 1), QTime(8, 0)));
    EXPECT_EQ(kept.has_value(), !GetParam().usable);
    if (!kept) return;
    EXPECT_EQ(*kept, path + QStringLiteral(".unusable-20260301-080000"));
    QFile keptFile(*kept);
    ASSERT_TRUE(keptFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(keptFile.readAll(), before);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(StationDatabase(path).prepare());
    EXPECT_TRUE(StationFileUsable(path));
}

INSTANTIATE_TEST_SUITE_P(
    Files, DatabaseRescueTest,
    ::testing::Values(
        RescueCase{"Missing", [](const QString&) {}, true},
        RescueCase{"Empty", [](const QString& p) { Write(p, {}); }, true},
        RescueCase{"Station", [](const QString& p) { StationDatabase(p).prepare(); }, true},
        RescueCase{"Text", [](const QString& p) { Write(p, "温度记录\nnot a database\n"); }, false},
        RescueCase{"ForeignSqlite", ForeignSqlite, false},
        RescueCase{"Corrupt", CorruptStation, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vt
