#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "batch_store.h"

namespace vt {

// More than this between two of a batch's records is a gap.
inline constexpr std::int64_t kRecordGapMs = 1500;

// The planned profile as captured at a batch's start.
struct PlannedProfile {
    int curve = -1;
    int segmentCount = 0;           // program parameter 3
    int timeUnitSeconds = 60;       // parameter 2: 0 hours, 1 minutes, 2 seconds
    std::vector<double> setPoints;  // per segment 1..24 (index 0 = segment 1)
    std::vector<int> times;         // in the curve's time unit

    bool empty() const { return segmentCount <= 0 || setPoints.empty(); }
    static PlannedProfile fromCapture(const QJsonObject& capture);
};

// One segment of the planned profile against what was measured.
struct SegmentResult {
    int segment = 0;
    double setPoint = 0.0;
    bool soak = false;  // set point equal to the previous segment's
    std::int64_t plannedStartMs = 0;
    std::int64_t plannedEndMs = 0;
    std::int64_t actualStartMs = 0;  // 0: the segment never ran
    std::int64_t actualEndMs = 0;
    std::int64_t samples = 0;
    double minimum = 0.0;
    double maximum = 0.0;
    double mean = 0.0;
    double largestDeviation = 0.0;  // from the running set point
    std::int64_t plannedSeconds = 0;
    std::int64_t inBandSeconds = 0;  // soak only, on the controller's clock
    bool passed = true;              // soak only
};

struct BatchEvaluation {
    bool hasProgram = false;
    std::vector<SegmentResult> segments;
    SegmentResult overall;  // every record, for a batch without a program
    double coverage = 0.0;  // percent of the expected seconds present
    int gapCount = 0;
    std::int64_t longestGapSeconds = 0;
    std::int64_t totalGapSeconds = 0;
    std::vector<std::pair<std::int64_t, std::int64_t>> gaps;  // last record before, next after
    int writes = 0;
    QStringList alarms;  // alarm events during the batch
    bool chainHolds = true;
    QString verdict;  // "PASS", "FAIL" or "无判定"
    QStringList reasons;
};

// Streams a batch's records through the planned segments: records are given in order, each
// counted in the segment running at its time (from the batch's segment marks).
class BatchEvaluator {
  public:
    BatchEvaluator(const BatchSummary& batch, const PlannedProfile& profile,
                   std::vector<std::pair<std::int64_t, int>> segmentMarks, std::int64_t endMs);
    void add(const BatchRecord& record);
    BatchEvaluation finish(bool chainHolds, int writes, const QStringList& alarms);

  private:
    SegmentResult* segmentAt(std::int64_t timeMs);
    void addGap(std::int64_t fromMs, std::int64_t toMs);

    BatchSummary m_batch;
    PlannedProfile m_profile;
    std::vector<std::pair<std::int64_t, int>> m_marks;
    std::int64_t m_endMs;
    BatchEvaluation m_result;
    std::vector<double> m_sums;
    std::vector<double> m_inBand;  // controller seconds within the band, per segment
    double m_overallSum = 0.0;
    std::int64_t m_lastMs = 0;
    std::int64_t m_present = 0;
};

// The evaluation of a stored batch with its records given as they are read: the planned
// profile, the segment marks, the writes and the alarms come first from its other entries.
class StoredBatchEvaluation {
  public:
    StoredBatchEvaluation(const BatchSummary& batch, const std::vector<StoredEntry>& entries);
    void add(const BatchRecord& record) { m_evaluator->add(record); }
    BatchEvaluation finish(bool chainHolds);

  private:
    int m_writes = 0;
    QStringList m_alarms;
    std::optional<BatchEvaluator> m_evaluator;
};

// The whole evaluation of a stored batch (its records, marks and captures).
BatchEvaluation EvaluateBatch(const BatchStore& store, const BatchSummary& batch, bool chainHolds);

}  // namespace vt
