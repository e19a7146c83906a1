#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "batch_chain.h"
#include "batch_reading.h"
#include "records_file.h"
#include "records_fixture.h"

using namespace vt;

namespace {

// Layout of closedBatch(10): 1 start, 2 capture, 3..7 records, 8 note, 9 header change,
// 10..14 records, 15 capture, 16 end, 17 seal.
struct TamperCase {
    const char* name;
    const char* sql;
    std::int64_t firstBad;
};

class ChainTamperTest : public ::testing::TestWithParam<TamperCase> {};

TEST_P(ChainTamperTest, VerificationNamesTheFirstChangedEntry) {
    vt::testing::RecordsFixture f;
    const std::int64_t id = f.closedBatch(10);
    const BatchStore& store = *f.recorder().store();
    ASSERT_TRUE(VerifyBatch(store, *store.batch(id)).holds);
    ASSERT_TRUE(f.tamper(QString::fromUtf8(GetParam().sql)));
    const ChainCheck check = VerifyBatch(store, *store.batch(id));
    EXPECT_FALSE(check.holds);
    EXPECT_EQ(check.firstBad, GetParam().firstBad) << qPrintable(check.text());
    EXPECT_TRUE(check.text().startsWith(QStringLiteral("记录已被改动")));
}

INSTANTIATE_TEST_SUITE_P(
    Changes, ChainTamperTest,
    ::testing::Values(
        TamperCase{"value", "update records set v4 = 99 where seq = 5", 5},
        TamperCase{"time", "update records set r_time = r_time + 0.00001 where seq = 12", 12},
        TamperCase{"deleted", "delete from records where seq = 4", 4},
        TamperCase{"inserted",
                   "insert into records select batch, 100, t, r_date, r_time, v1, v2, "
                   "v3, v4, v5, v6, v7, v8, hash from records where seq = 6",
                   18},
        TamperCase{"note",
                   "update entries set payload = replace(payload, '装炉完成', '装炉未完成') "
                   "where seq = 8",
                   8},
        TamperCase{"header",
                   "update entries set payload = replace(payload, '零件-7', '零件-8') "
                   "where seq = 9",
                   9},
        TamperCase{"seal column", "update batches set seal = 'ab'", 17},
        TamperCase{"seal removed", "delete from entries where seq = 17", 16}),
    [](const auto& info) {
        std::string n = info.param.name;
        for (char& c : n)
            if (c == ' ') c = '_';
        return n;
    });

TEST(ChainExport, ReWalksWithoutTheFileAndNamesAChangedLine) {
    vt::testing::RecordsFixture f;
    const std::int64_t id = f.closedBatch(10);
    const BatchStore& store = *f.recorder().store();
    const BatchSummary batch = *store.batch(id);
    const QByteArray exported = ExportBatchChain(store, batch);
    const ChainCheck whole = VerifyChainExport(exported);
    EXPECT_TRUE(whole.holds);
    EXPECT_EQ(whole.entries, 17);
    EXPECT_EQ(whole.head, VerifyBatch(store, batch).head);
    EXPECT_EQ(whole.batchNumber, batch.number());

    QByteArray changed = exported;
    changed.replace(QStringLiteral("装炉完成").toUtf8(), QStringLiteral("装炉未完成").toUtf8());
    EXPECT_EQ(VerifyChainExport(changed).firstBad, 8);
    EXPECT_FALSE(VerifyChainExport(QByteArrayLiteral("%PDF-1.4\n")).readable);
}

// The one walk a report and the seal make, against the walks of their own, over three of the
// hashing's chunks: a record changed in the last one, and the export's lines kept in order.
TEST(ChainOneWalk, FindsWhatTheSeparateWalksFind) {
    vt::testing::RecordsFixture f;
    const std::int64_t id = f.closedBatch(9000);
    const BatchStore& store = *f.recorder().store();
    for (const bool changed : {false, true}) {
        if (changed) {
            ASSERT_TRUE(f.tamper(QStringLiteral("update records set v4 = 1 where seq = 8500")));
        }
        const BatchSummary batch = *store.batch(id);
        const BatchReading one = ReadBatchThrough(store, batch, true);
        const ChainCheck check = VerifyBatch(store, batch);
        EXPECT_EQ(one.check.holds, !changed);
        EXPECT_EQ(one.check.firstBad, changed ? 8500 : 0);
        EXPECT_EQ(one.check.head, check.head);
        EXPECT_EQ(one.check.entries, check.entries);
        EXPECT_EQ(one.chainExport, ExportBatchChain(store, batch));
        const BatchEvaluation alone = EvaluateBatch(store, batch, check.holds);
        EXPECT_EQ(one.evaluation.overall.samples, 9000);
        EXPECT_EQ(one.evaluation.overall.minimum, alone.overall.minimum);
        EXPECT_EQ(one.evaluation.overall.mean, alone.overall.mean);
        EXPECT_EQ(one.evaluation.coverage, alone.coverage);
        EXPECT_EQ(one.evaluation.chainHolds, !changed);
    }
}

TEST(RecordsFileTest, ADamagedFileIsKeptAsideAndANewOneMade) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Records.db"));
    QFile garbage(path);
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(4096, 'x'));
    garbage.close();

    RecordsFile reader(path, RecordsFile::Mode::Reader);
    EXPECT_FALSE(reader.open());
    RecordsFile station(path, RecordsFile::Mode::Station);
    ASSERT_TRUE(station.open()) << qPrintable(station.problem());
    ASSERT_FALSE(station.keptAside().isEmpty());
    QFile kept(station.keptAside());
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray(4096, 'x'));
}

TEST(RecordsFileTest, ASecondStationOnTheSameFileIsRefused) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Records.db"));
    RecordsFile first(path, RecordsFile::Mode::Station);
    ASSERT_TRUE(first.open());
    RecordsFile second(path, RecordsFile::Mode::Station);
    EXPECT_FALSE(second.open());
    EXPECT_TRUE(second.heldElsewhere());
    EXPECT_TRUE(second.problem().contains(QStringLiteral("另一个站点")));
    first.close();
    EXPECT_TRUE(second.open());
}

}  // namespace
