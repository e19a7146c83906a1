// The end of a batch: the end entry at once, the walk over the batch off the UI thread, then the
// seal; what arrives meanwhile, a stop in between, and a run that begins meanwhile.
#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "batch_chain.h"
#include "batch_page.h"
#include "records_fixture.h"
#include "window_rig.h"

using namespace vt;

namespace {

int CountKind(const BatchStore& store, std::int64_t id, const QByteArray& kind) {
    int n = 0;
    for (const StoredEntry& s : store.entries(id)) n += s.entry.kind == kind;
    return n;
}

// A sealed batch of `records` records whose chain ends with its end entry and the seal over it.
void ExpectSealedOnce(const BatchStore& store, std::int64_t id, std::int64_t records) {
    const BatchSummary batch = *store.batch(id);
    EXPECT_FALSE(batch.isOpen());
    EXPECT_FALSE(batch.ending());
    EXPECT_EQ(batch.recordCount, records);
    EXPECT_EQ(store.recordCount(id), records);
    EXPECT_EQ(batch.verdict, QStringLiteral("无判定"));
    EXPECT_EQ(batch.integrity, QStringLiteral("记录完整"));
    const std::vector<StoredEntry> entries = store.entries(id);
    ASSERT_GE(entries.size(), 2u);
    const StoredEntry& end = entries[entries.size() - 2];
    EXPECT_EQ(end.entry.kind, EntryKind::End);
    EXPECT_EQ(entries.back().entry.kind, EntryKind::Seal);
    EXPECT_EQ(QJsonDocument::fromJson(entries.back().entry.payload)
                  .object()
                  .value(QStringLiteral("head"))
                  .toString(),
              QString::fromLatin1(end.hash.toHex()));
    EXPECT_EQ(CountKind(store, id, EntryKind::End), 1);
    EXPECT_EQ(CountKind(store, id, EntryKind::Resume), 0);
    const ChainCheck check = VerifyBatch(store, batch);
    EXPECT_TRUE(check.holds) << qPrintable(check.text());
}

TEST(BatchClosingTest, NothingJoinsAnEndedBatchAndTheSealCoversItsEndEntry) {
    vt::testing::RecordsFixture f;
    f.recorder().startManual(f.recorder().proposal(), nullptr);
    const std::int64_t id = f.recorder().openBatch()->id;
    f.feed(10, 100.0f);
    ASSERT_TRUE(f.recorder().endBatch());
    EXPECT_FALSE(f.recorder().openBatch());
    EXPECT_TRUE(f.recorder().store()->batch(id)->ending());
    f.feed(5, 100.0f);
    EXPECT_FALSE(f.recorder().addNote(QStringLiteral("迟到的备注")));
    EXPECT_FALSE(f.recorder().addEvent(QStringLiteral("alarm"), QStringLiteral("AL1")));
    ASSERT_TRUE(f.waitForSeal());
    ExpectSealedOnce(*f.recorder().store(), id, 10);
}

// The station stopped while the batch was ending: before its seal, or a file from a version
// that wrote the end entry apart from ending the batch.
struct StopCase {
    const char* name;
    const char* leftBehind;  // SQL run on the file while the station is down ("" for none)
};

class StopDuringEndTest : public ::testing::TestWithParam<StopCase> {};

TEST_P(StopDuringEndTest, TheNextStartSealsTheBatchInsteadOfResumingIt) {
    vt::testing::RecordsFixture f;
    f.recorder().startManual(f.recorder().proposal(), nullptr);
    const std::int64_t id = f.recorder().openBatch()->id;
    f.feed(10, 100.0f);
    ASSERT_TRUE(f.recorder().endBatch());
    f.restart();  // before the seal: its result never reaches the recorder
    if (*GetParam().leftBehind) {
        ASSERT_TRUE(f.tamper(QString::fromUtf8(GetParam().leftBehind)));
        f.restart();
    }
    EXPECT_FALSE(f.recorder().openBatch());
    ASSERT_TRUE(f.waitForSeal());
    ExpectSealedOnce(*f.recorder().store(), id, 10);
}

INSTANTIATE_TEST_SUITE_P(
    Stops, StopDuringEndTest,
    ::testing::Values(StopCase{"stopped_before_the_seal", ""},
                      StopCase{"end_entry_in_an_open_batch",
                               "update batches set ended_ms = null, record_count = 0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BatchClosingTest, ThePageShowsTheBatchEndingUntilItsSealComes) {
    vt::testing::RecordsFixture f;
    f.recorder().startManual(f.recorder().proposal(), nullptr);
    const std::int64_t id = f.recorder().openBatch()->id;
    f.feed(5, 100.0f);
    f.recorder().endBatch();
    BatchPage page(f.recorder());
    page.showBatch(id);
    auto* verdict = test::Find<QLabel>(&page, QStringLiteral("BatchVerdict"));
    auto* integrity = test::Find<QLabel>(&page, QStringLiteral("BatchIntegrity"));
    EXPECT_EQ(verdict->text(), QStringLiteral("正在结束"));
    EXPECT_EQ(integrity->text(), QStringLiteral("校验中"));
    EXPECT_FALSE(test::Find<QPushButton>(&page, QStringLiteral("CommandPrintReport"))->isEnabled());
    ASSERT_TRUE(f.waitForSeal());
    EXPECT_EQ(verdict->text(), QStringLiteral("无判定"));
    EXPECT_EQ(integrity->text(), QStringLiteral("记录完整"));
}

// The program ends and the next run begins while the end capture is still being read over the
// link: the next run's batch starts when the end is in, dated when its run was seen.
TEST(BatchClosingTest, ARunBeginningDuringTheEndCaptureGetsItsOwnBatch) {
    test::WindowRig rig;
    QTemporaryDir dir;
    QDateTime now(QDate(2026, 3, 2), QTime(8, 0, 0));
    BatchRecorder recorder(rig.state, dir.filePath(QStringLiteral("Records.db")),
                           [&] { return now; });
    recorder.setLink(&rig.link);
    ASSERT_TRUE(recorder.open());
    recorder.observeProgram(0, 0);
    recorder.observeProgram(1, 1);
    ASSERT_TRUE(recorder.openBatch());
    now = now.addSecs(60);
    recorder.observeProgram(4, 3);
    ASSERT_TRUE(recorder.ending());
    now = now.addSecs(1);
    const std::int64_t seen = now.toMSecsSinceEpoch();
    recorder.observeProgram(1, 1);
    now = now.addSecs(1);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return recorder.openBatch() && recorder.openBatch()->id == 2 && !recorder.sealing();
        },
        test::kWaitMs));
    EXPECT_FALSE(recorder.openBatch()->late);
    EXPECT_EQ(recorder.openBatch()->startedMs, seen);
    EXPECT_FALSE(recorder.store()->batch(1)->seal.isEmpty());
}

}  // namespace
