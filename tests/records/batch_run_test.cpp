// A program run on the simulated controller over the real link becomes one batch: it starts
// by itself, captures the profile and the settings fingerprint at both ends, lists a write sent
// during it, follows the segments and ends, sealed, when the program ends.
#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include "batch_chain.h"
#include "batch_evaluation.h"
#include "batch_report_source.h"
#include "link_jobs.h"
#include "program_run.h"

using namespace vt;

namespace {

constexpr double kTimeFactor = 600.0;  // the 50-minute default curve in 5 s
constexpr std::int32_t kAlarm1Setting = 257;

QJsonObject Payload(const StoredEntry& s) {
    return QJsonDocument::fromJson(s.entry.payload).object();
}

TEST(BatchRunTest, AProgramRunIsOneBatchWithCapturesWritesAndSegments) {
    test::WindowRig rig(vt::testing::RunningController(kTimeFactor));
    QTemporaryDir dir;
    vt::testing::ProgramRun run(rig, dir.filePath(QStringLiteral("Records.db")), kTimeFactor);
    BatchRecorder& recorder = run.recorder();
    ASSERT_TRUE(run.start());
    EXPECT_FALSE(recorder.openBatch()->late);
    rig.link.submit(WriteRegisterJob(rig.state, kAlarm1Setting, 1234), &recorder);
    const std::int64_t id = recorder.openBatch()->id;
    ASSERT_TRUE(run.waitForEnd(30000));

    const BatchStore& store = *recorder.store();
    const BatchSummary batch = *store.batch(id);
    QJsonObject start;
    QJsonObject end;
    std::vector<int> segments;
    bool wroteAlarm = false;
    for (const StoredEntry& s : store.entries(id)) {
        const QJsonObject o = Payload(s);
        if (s.entry.kind == EntryKind::Capture)
            (o.value(QStringLiteral("phase")).toString() == QStringLiteral("start") ? start : end) =
                o;
        if (s.entry.kind == EntryKind::Segment)
            segments.push_back(o.value(QStringLiteral("segment")).toInt());
        if (s.entry.kind == EntryKind::Write &&
            o.value(QStringLiteral("number")).toInt() == kAlarm1Setting)
            wroteAlarm = true;
    }
    EXPECT_TRUE(start.value(QStringLiteral("complete")).toBool());
    EXPECT_EQ(PlannedProfile::fromCapture(start).segmentCount, 4);
    EXPECT_EQ(start.value(QStringLiteral("fingerprint")).toString().size(), 64);
    EXPECT_NE(start.value(QStringLiteral("fingerprint")), end.value(QStringLiteral("fingerprint")));
    EXPECT_TRUE(wroteAlarm);
    EXPECT_NE(std::find(segments.begin(), segments.end(), 2), segments.end());
    EXPECT_NE(std::find(segments.begin(), segments.end(), 4), segments.end());
    EXPECT_GT(batch.recordCount, 0);
    EXPECT_FALSE(batch.seal.isEmpty());
    EXPECT_TRUE(VerifyBatch(store, batch).holds);
    EXPECT_FALSE(batch.verdict.isEmpty());

    // The report of the run: its curve, segments, settings change and the write behind it.
    const std::optional<BatchReportData> report = LoadBatchReport(store, id);
    ASSERT_TRUE(report);
    EXPECT_EQ(report->curveNumber, start.value(QStringLiteral("curve")).toInt());
    EXPECT_EQ(report->segments.size(), 4u);
    EXPECT_NE(report->verdict.kind, VerdictKind::None);
    EXPECT_NE(report->fingerprint.atStart, report->fingerprint.atEnd);
    EXPECT_EQ(report->fingerprint.changingWrites.size(), 1);
    EXPECT_EQ(report->integrity.chainHead, VerifyBatch(store, batch).head);
    EXPECT_TRUE(std::any_of(report->chart.pens.front().columns.begin(),
                            report->chart.pens.front().columns.end(),
                            [](const ColumnRange& c) { return c.present; }));
    EXPECT_EQ(report->chart.planned.size(), 5u);
}

}  // namespace
