#include <gtest/gtest.h>

#include "batch_chain.h"
#include "batch_evaluation.h"
#include "records_fixture.h"

using namespace vt;

namespace {

// Program states seen tick by tick (ProgramStatus 0) and what the batches are afterwards.
struct LifecycleCase {
    const char* name;
    std::vector<int> states;
    bool autoStart;
    int batches;
    bool open;
    bool late;  // of the newest batch
};

class BatchLifecycleTest : public ::testing::TestWithParam<LifecycleCase> {};

TEST_P(BatchLifecycleTest, ProgramStateStartsAndEndsBatches) {
    vt::testing::RecordsFixture f;
    f.recorder().setAutoStart(GetParam().autoStart);
    for (int state : GetParam().states) {
        f.recorder().observeProgram(state, 1);
        f.feed(1, 50.0f);
    }
    const auto batches = f.recorder().store()->list({}, 0, 100);
    ASSERT_EQ(static_cast<int>(batches.size()), GetParam().batches);
    if (batches.empty()) return;
    EXPECT_EQ(batches.front().isOpen(), GetParam().open);
    EXPECT_EQ(batches.front().late, GetParam().late);
    EXPECT_FALSE(batches.front().manual);
}

INSTANTIATE_TEST_SUITE_P(
    States, BatchLifecycleTest,
    ::testing::Values(LifecycleCase{"run_from_stop", {0, 1, 1}, true, 1, true, false},
                      LifecycleCase{"already_running", {1, 1}, true, 1, true, true},
                      LifecycleCase{"already_paused", {2}, true, 1, true, true},
                      LifecycleCase{"pause_keeps_open", {0, 1, 2, 2, 1}, true, 1, true, false},
                      LifecycleCase{"end_closes", {0, 1, 2, 1, 4}, true, 1, false, false},
                      LifecycleCase{"stop_closes", {0, 1, 0}, true, 1, false, false},
                      LifecycleCase{"two_runs", {0, 1, 4, 0, 1}, true, 2, true, false},
                      LifecycleCase{"auto_off", {0, 1, 1, 4}, false, 0, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BatchRecorderTest, AManualEndWhileTheRunGoesOnStartsNoNewBatchUntilItStops) {
    vt::testing::RecordsFixture f;
    f.recorder().observeProgram(0, 0);
    f.recorder().observeProgram(1, 1);
    ASSERT_TRUE(f.recorder().endBatch());
    f.recorder().observeProgram(1, 1);
    EXPECT_FALSE(f.recorder().openBatch());
    f.recorder().observeProgram(0, 0);
    f.recorder().observeProgram(1, 1);
    EXPECT_TRUE(f.recorder().openBatch());
}

TEST(BatchRecorderTest, ARestartContinuesTheOpenBatchWithAGapAndTheChainHolds) {
    vt::testing::RecordsFixture f;
    f.recorder().startManual(f.recorder().proposal(), nullptr);
    f.feed(10, 20.0f);
    f.restart();
    f.advance(30);
    ASSERT_TRUE(f.recorder().openBatch());
    f.feed(10, 20.0f);
    ASSERT_TRUE(f.recorder().endBatch());
    const BatchStore& store = *f.recorder().store();
    const BatchSummary batch = store.list({}, 0, 1).front();
    EXPECT_EQ(batch.recordCount, 20);
    EXPECT_TRUE(VerifyBatch(store, batch).holds);
    const BatchEvaluation e = EvaluateBatch(store, batch, true);
    EXPECT_EQ(e.gapCount, 1);
    EXPECT_EQ(e.longestGapSeconds, 30);
    EXPECT_EQ(e.verdict, QStringLiteral("无判定"));
}

TEST(BatchRecorderTest, HeaderTextsAreKeptExactlyOrRefusedWhole) {
    vt::testing::RecordsFixture f;
    BatchHeader header = f.recorder().proposal();
    EXPECT_EQ(header.value(HeaderField::Number), QStringLiteral("1"));
    const QString part = QStringLiteral("  Ø12 × 3 — 零件\U0001F525 ");
    header.value(HeaderField::Part) = part;
    ASSERT_TRUE(f.recorder().startManual(header, nullptr));
    QString error;
    EXPECT_FALSE(
        f.recorder().setHeaderField(HeaderField::Order, QString(101, QLatin1Char('a')), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("太长")));
    EXPECT_EQ(f.recorder().openBatch()->header.value(HeaderField::Part), part);
    ASSERT_TRUE(f.recorder().endBatch());
    BatchHeader next = f.recorder().proposal();
    EXPECT_EQ(next.value(HeaderField::Number), QStringLiteral("2"));
    EXPECT_EQ(next.value(HeaderField::Part), part);
    next.value(HeaderField::Number) = QStringLiteral("1");
    EXPECT_FALSE(f.recorder().startManual(next, &error));
}

TEST(BatchRecorderTest, SignaturesFollowTheSealAndAreRefusedWhileOpen) {
    vt::testing::RecordsFixture f;
    f.recorder().startManual(f.recorder().proposal(), nullptr);
    const std::int64_t id = f.recorder().openBatch()->id;
    QString error;
    EXPECT_FALSE(f.recorder().sign(id, QStringLiteral("王工"), QStringLiteral("审核"), {},
                                   QStringLiteral("op"), &error));
    f.feed(3, 10.0f);
    ASSERT_TRUE(f.recorder().endBatch());
    EXPECT_FALSE(f.recorder().sign(id, QStringLiteral("王工"), QStringLiteral("审核"), {},
                                   QStringLiteral("op"), &error));
    ASSERT_TRUE(f.waitForSeal());
    EXPECT_FALSE(f.recorder().sign(id, QStringLiteral("王工"), QStringLiteral("同意"), {},
                                   QStringLiteral("op"), &error));
    ASSERT_TRUE(f.recorder().sign(id, QStringLiteral("王工"), QStringLiteral("审核"),
                                  QStringLiteral("无异常"), QStringLiteral("op"), &error));
    const BatchStore& store = *f.recorder().store();
    const ChainCheck check = VerifyBatch(store, *store.batch(id));
    EXPECT_TRUE(check.holds) << qPrintable(check.text());
    EXPECT_EQ(store.entries(id).back().entry.kind, EntryKind::Sign);
}

// A three-segment profile (ramp to 100, soak at 100 for 10 s, ramp down) evaluated against
// records whose soak spends `inBand` of its seconds within the band.
struct SoakCase {
    int inBand;
    double timeTolerance;
    const char* verdict;
};

class SoakVerdictTest : public ::testing::TestWithParam<SoakCase> {};

TEST_P(SoakVerdictTest, SoakPassesOnItsTimeInTheBand) {
    BatchSummary batch;
    batch.startedMs = 1'000'000;
    batch.band = 5.0;
    batch.timeTolerance = GetParam().timeTolerance;
    PlannedProfile profile;
    profile.segmentCount = 3;
    profile.timeUnitSeconds = 1;
    profile.setPoints = {100.0, 100.0, 20.0};
    profile.times = {5, 10, 5};
    const std::int64_t t0 = batch.startedMs;
    BatchEvaluator evaluator(batch, profile, {{t0, 1}, {t0 + 5000, 2}, {t0 + 15000, 3}},
                             t0 + 20000);
    for (int s = 1; s <= 20; ++s) {
        BatchRecord r;
        r.seq = s;
        r.timeMs = t0 + s * 1000 - 500;
        const bool soak = s > 5 && s <= 15;
        r.values[RecordColumn::Pv1] = soak && s - 5 <= GetParam().inBand ? 104.9f
                                      : soak                             ? 105.2f
                                                                         : 50.0f;
        evaluator.add(r);
    }
    const BatchEvaluation e = evaluator.finish(true, 0, {});
    ASSERT_EQ(e.segments.size(), 3u);
    EXPECT_TRUE(e.segments[1].soak);
    EXPECT_FALSE(e.segments[0].soak);
    EXPECT_EQ(e.segments[1].inBandSeconds, GetParam().inBand);
    EXPECT_EQ(e.verdict, QString::fromUtf8(GetParam().verdict));
    EXPECT_DOUBLE_EQ(e.coverage, 100.0);
}

INSTANTIATE_TEST_SUITE_P(Tolerances, SoakVerdictTest,
                         ::testing::Values(SoakCase{10, 10.0, "PASS"}, SoakCase{9, 10.0, "PASS"},
                                           SoakCase{8, 10.0, "FAIL"}, SoakCase{8, 20.0, "PASS"},
                                           SoakCase{9, 0.0, "FAIL"}));

}  // namespace
