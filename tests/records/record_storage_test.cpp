#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QFileInfo>
#include <QSqlQuery>
#include <QTest>
#include <cmath>
#include <limits>

#include "batch_chain.h"
#include "records_fixture.h"
#include "wal_checkpoint.h"

using namespace vt;

namespace {

const QDateTime kStart(QDate(2026, 3, 2), QTime(8, 0, 0), Qt::UTC);

// Entries whose canonical bytes and hashes were written down once: a file written by any
// version of the station must keep verifying, so neither may change by a byte.
struct Golden {
    std::int64_t seq;
    const char* kind;
    std::int64_t timeMs;
    const char* payload;  // null for a record (kGoldenRecords, in order)
    const char* canonical;
    const char* hash;
};

const BatchRecord kGoldenRecords[] = {
    {2,
     1772438401000,
     46083.0,
     1.0 / 3.0,
     {0.1f, 101.5f, -3.25f, 0.0f, 1e-5f, 1234.5677f, 7, 65535}},
    {4,
     1772438402000,
     46083.0,
     0.5,
     {-std::numeric_limits<float>::quiet_NaN(), -0.0f, std::numeric_limits<float>::max(),
      std::numeric_limits<float>::min(), 0.001f, 250, -40.5f, 1e6f}},
};

const Golden kGolden[] = {
    {1, "start", 1772438400000, "{\"manual\":true}", "1\tstart\t1772438400000\t{\"manual\":true}",
     "22193336179e850f6be9879f2e5567f8a773649f74913787667756f9c40af60f"},
    {2, "R", 1772438401000, nullptr,
     "2\tR\t1772438401000\t46083;0.3333333333333333;0.1;101.5;-3.25;0;1e-05;1234.5677;7;65535",
     "9ec3551f6cb9cfa425f993c6df8474b1b88163e964ed8bb1b6b9eb909b8003e1"},
    {3, "note", 1772438401500, "{\"text\":\"装炉\"}", "3\tnote\t1772438401500\t{\"text\":\"装炉\"}",
     "fe8898b4087d217029097f711549c45bf25810f67ce05aedc289190554ae3515"},
    {4, "R", 1772438402000, nullptr,
     "4\tR\t1772438402000\t46083;0.5;nan;0;3.4028235e+38;1.1754944e-38;0.001;250;-40.5;1e+06",
     "23f0f18936fe8b5fb2c7fe60d483514502b1682b1afe698b123fe96fa1d2718a"},
};

TEST(ChainBytesTest, StoredEntriesReadBackWithTheirWrittenDownBytesAndHashes) {
    vt::testing::RecordsFixture f;
    BatchStore& store = const_cast<BatchStore&>(*f.recorder().store());
    BatchSummary batch;
    batch.header = f.recorder().proposal();
    batch.startedMs = 1772438400000;
    batch.id = store.create(batch);
    QByteArray head = ChainGenesis();
    const BatchRecord* record = kGoldenRecords;
    for (const Golden& g : kGolden) {
        if (g.payload) {
            const ChainEntry entry{g.seq, g.kind, g.timeMs, QByteArray(g.payload)};
            head = ChainHash(head, entry);
            ASSERT_TRUE(store.appendEntry(batch.id, {entry, head}));
        } else {
            head = ChainHash(head, RecordEntry(*record));
            ASSERT_TRUE(store.appendRecord(batch.id, *record++, head));
        }
    }
    std::vector<StoredEntry> walked;
    store.walk(batch.id, [&](const StoredEntry& s) { walked.push_back(s); });
    ASSERT_EQ(walked.size(), std::size(kGolden));
    for (std::size_t n = 0; n < walked.size(); ++n) {
        EXPECT_EQ(CanonicalBytes(walked[n].entry), QByteArray(kGolden[n].canonical)) << n;
        EXPECT_EQ(walked[n].hash.toHex(), QByteArray(kGolden[n].hash)) << n;
    }
    const ChainCheck check = VerifyBatch(store, *store.batch(batch.id));
    EXPECT_TRUE(check.holds) << qPrintable(check.text());
    EXPECT_EQ(check.head, QByteArray(kGolden[3].hash));
    EXPECT_TRUE(VerifyChainExport(ExportBatchChain(store, batch)).holds);
}

// The bands the chart reads, as one grouping query over every record.
std::vector<ColumnBand> BandsBySql(const QString& path, std::int64_t batch, std::int64_t from,
                                   std::int64_t to, int width) {
    std::vector<ColumnBand> out;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("ref"));
        db.setDatabaseName(path);
        db.open();
        QSqlQuery q(db);
        q.exec(QStringLiteral("select (t - %1) * %2 / %3 as c, min(t), min(v4), max(v4), min(v3), "
                              "max(v3) from records where batch = %4 and t between %1 and %5 "
                              "group by c order by c")
                   .arg(from)
                   .arg(width - 1)
                   .arg(to - from)
                   .arg(batch)
                   .arg(to));
        while (q.next()) {
            ColumnBand b{q.value(0).toInt(), q.value(1).toLongLong(), {}, {}};
            for (int k : {2, 4}) {
                b.low.push_back(q.value(k).toFloat());
                b.high.push_back(q.value(k + 1).toFloat());
            }
            out.push_back(b);
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("ref"));
    return out;
}

void ExpectSameBands(const std::vector<ColumnBand>& got, const std::vector<ColumnBand>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].column, want[i].column);
        EXPECT_EQ(got[i].firstMs, want[i].firstMs) << "column " << got[i].column;
        EXPECT_EQ(got[i].low, want[i].low) << "column " << got[i].column;
        EXPECT_EQ(got[i].high, want[i].high) << "column " << got[i].column;
    }
}

// Seconds from the batch's first record, and the chart's width in pixel columns.
struct Zoom {
    const char* name;
    int fromSecond;
    int toSecond;
    int width;
};

class MinuteSpanBandsTest : public ::testing::TestWithParam<Zoom> {};

// Two hours and a half of changing values, a five-minute gap, and a restart in mid-minute.
TEST_P(MinuteSpanBandsTest, SpansGiveTheBandsOfEveryRecord) {
    vt::testing::RecordsFixture f;
    f.recorder().startManual(f.recorder().proposal(), nullptr);
    const std::int64_t id = f.recorder().openBatch()->id;
    const std::int64_t first = f.nowMs() + 1000;
    const auto run = [&](int from, int seconds) {
        for (int n = from; n < from + seconds; ++n)
            f.feed(1, static_cast<float>((n * 37) % 101) + n / 1000.0f, static_cast<float>(n / 90));
    };
    run(0, 4000);
    f.advance(300);
    run(4300, 1234);
    f.restart();
    run(5534, 3000);
    const Zoom z = GetParam();
    const std::int64_t from = first + z.fromSecond * 1000LL + 500;
    const std::int64_t to = first + z.toSecond * 1000LL;
    const std::vector<int> columns{RecordColumn::Pv1, RecordColumn::CurrentSv};
    const BatchStore& store = *f.recorder().store();
    // Open: the minute under way comes from its records.
    ExpectSameBands(store.bands(id, from, to, z.width, columns),
                    BandsBySql(f.path(), id, from, to, z.width));
    f.recorder().endBatch();
    ExpectSameBands(store.bands(id, from, to, z.width, columns),
                    BandsBySql(f.path(), id, from, to, z.width));
    // A file written before spans were kept.
    ASSERT_TRUE(f.tamper(QStringLiteral("delete from record_minutes")));
    ExpectSameBands(store.bands(id, from, to, z.width, columns),
                    BandsBySql(f.path(), id, from, to, z.width));
}

INSTANTIATE_TEST_SUITE_P(Zooms, MinuteSpanBandsTest,
                         ::testing::Values(Zoom{"whole", -1, 8600, 1110},
                                           Zoom{"narrow_chart", 0, 8534, 37},
                                           Zoom{"edges_in_minutes", 17, 5917, 300},
                                           Zoom{"over_the_gap", 3950, 4420, 800},
                                           Zoom{"seconds_apart", 100, 700, 1000}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WalCheckpointTest, CopiesTheLogBackOnItsOwnThread) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("log.db"));
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
    sqlite3_exec(db, "pragma journal_mode=WAL; create table t (v BLOB)", nullptr, nullptr, nullptr);
    const qint64 before = QFileInfo(path).size();
    {
        WalCheckpoint checkpoint(db, path, 20, std::chrono::milliseconds(50));
        for (int n = 0; n < 100; ++n)
            sqlite3_exec(db, "insert into t values (zeroblob(2000))", nullptr, nullptr, nullptr);
        // The writer never copies the log itself; only the thread makes the file grow.
        QTRY_VERIFY(QFileInfo(path).size() >= before + 100 * 2000);
    }
    sqlite3_close(db);
}

}  // namespace
