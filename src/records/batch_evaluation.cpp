#include "batch_evaluation.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>
#include <cmath>
#include <limits>

namespace vt {

namespace {

constexpr int kTimeUnitParameter = 2;
constexpr int kSegmentCountParameter = 3;
constexpr double kRequiredCoverage = 99.0;

int UnitSeconds(int code) { return code == 0 ? 3600 : code == 2 ? 1 : 60; }

void Extend(SegmentResult& s, double value, double deviation, double& sum) {
    if (s.samples == 0) s.minimum = s.maximum = value;
    s.minimum = std::min(s.minimum, value);
    s.maximum = std::max(s.maximum, value);
    s.largestDeviation = std::max(s.largestDeviation, deviation);
    sum += value;
    ++s.samples;
}

}  // namespace

PlannedProfile PlannedProfile::fromCapture(const QJsonObject& capture) {
    PlannedProfile p;
    const QJsonArray parameters = capture.value(QStringLiteral("parameters")).toArray();
    if (parameters.size() <= kSegmentCountParameter) return p;
    p.curve = capture.value(QStringLiteral("curve")).toInt(-1);
    p.timeUnitSeconds = UnitSeconds(parameters[kTimeUnitParameter].toInt());
    for (const QJsonValue& v : capture.value(QStringLiteral("setPoints")).toArray())
        p.setPoints.push_back(v.toDouble());
    for (const QJsonValue& v : capture.value(QStringLiteral("times")).toArray())
        p.times.push_back(v.toInt());
    const int available = static_cast<int>(std::min(p.setPoints.size(), p.times.size()));
    p.segmentCount = std::clamp(parameters[kSegmentCountParameter].toInt(), 0, available);
    return p;
}

BatchEvaluator::BatchEvaluator(const BatchSummary& batch, const PlannedProfile& profile,
                               std::vector<std::pair<std::int64_t, int>> segmentMarks,
                               std::int64_t endMs)
    : m_batch(batch), m_profile(profile), m_marks(std::move(segmentMarks)), m_endMs(endMs) {
    m_result.hasProgram = !profile.empty() && (!batch.manual || !m_marks.empty());
    m_lastMs = batch.startedMs;
    if (!m_result.hasProgram) return;
    std::int64_t planned = batch.startedMs;
    for (int n = 1; n <= profile.segmentCount; ++n) {
        SegmentResult s;
        s.segment = n;
        s.setPoint = profile.setPoints[n - 1];
        s.soak = n > 1 && s.setPoint == profile.setPoints[n - 2];
        s.plannedSeconds =
            static_cast<std::int64_t>(profile.times[n - 1]) * profile.timeUnitSeconds;
        s.plannedStartMs = planned;
        // The planned schedule on the station's clock (a simulated controller runs faster).
        planned += std::llround(static_cast<double>(s.plannedSeconds) * 1000.0 / batch.timeScale);
        s.plannedEndMs = planned;
        m_result.segments.push_back(s);
    }
    m_sums.assign(m_result.segments.size(), 0.0);
    m_inBand.assign(m_result.segments.size(), 0.0);
    for (std::size_t i = 0; i < m_marks.size(); ++i) {
        const int n = m_marks[i].second;
        if (n < 1 || n > profile.segmentCount) continue;
        SegmentResult& s = m_result.segments[n - 1];
        if (s.actualStartMs == 0) s.actualStartMs = m_marks[i].first;
        s.actualEndMs = i + 1 < m_marks.size() ? m_marks[i + 1].first : endMs;
    }
}

SegmentResult* BatchEvaluator::segmentAt(std::int64_t timeMs) {
    const auto after = std::upper_bound(
        m_marks.begin(), m_marks.end(), timeMs,
        [](std::int64_t t, const std::pair<std::int64_t, int>& mark) { return t < mark.first; });
    if (after == m_marks.begin()) return nullptr;
    const int n = std::prev(after)->second;
    if (n < 1 || n > static_cast<int>(m_result.segments.size())) return nullptr;
    return &m_result.segments[n - 1];
}

void BatchEvaluator::addGap(std::int64_t fromMs, std::int64_t toMs) {
    if (toMs - fromMs <= kRecordGapMs) return;
    const std::int64_t seconds = std::llround((toMs - fromMs) / 1000.0) - 1;
    if (seconds <= 0) return;
    ++m_result.gapCount;
    m_result.gaps.emplace_back(fromMs, toMs);
    m_result.totalGapSeconds += seconds;
    m_result.longestGapSeconds = std::max(m_result.longestGapSeconds, seconds);
}

void BatchEvaluator::add(const BatchRecord& r) {
    addGap(m_lastMs, r.timeMs);
    m_lastMs = r.timeMs;
    ++m_present;
    const double load = r.values[LoadColumn(m_batch.sensor)];
    const double deviation = std::fabs(load - r.values[RecordColumn::CurrentSv]);
    Extend(m_result.overall, load, deviation, m_overallSum);
    SegmentResult* s = segmentAt(r.timeMs);
    if (!s) return;
    Extend(*s, load, deviation, m_sums[s->segment - 1]);
    if (s->soak && std::fabs(load - s->setPoint) <= m_batch.band)
        m_inBand[s->segment - 1] += m_batch.timeScale;
}

BatchEvaluation BatchEvaluator::finish(bool chainHolds, int writes, const QStringList& alarms) {
    addGap(m_lastMs, m_endMs);
    BatchEvaluation& e = m_result;
    const double expected =
        std::max<double>(1.0, std::floor((m_endMs - m_batch.startedMs) / 1000.0));
    e.coverage = std::min(100.0, 100.0 * static_cast<double>(m_present) / expected);
    e.overall.mean =
        e.overall.samples ? m_overallSum / static_cast<double>(e.overall.samples) : 0.0;
    e.writes = writes;
    e.alarms = alarms;
    e.chainHolds = chainHolds;
    for (SegmentResult& s : e.segments) {
        s.mean = s.samples ? m_sums[s.segment - 1] / static_cast<double>(s.samples) : 0.0;
        s.inBandSeconds = std::llround(m_inBand[s.segment - 1]);
        if (!s.soak) continue;
        const double needed =
            static_cast<double>(s.plannedSeconds) * (1.0 - m_batch.timeTolerance / 100.0);
        s.passed = static_cast<double>(s.inBandSeconds) >= needed;
        if (!s.passed)
            e.reasons << QStringLiteral("第 %1 段保温时间不足 (%2 s / %3 s)")
                             .arg(s.segment)
                             .arg(s.inBandSeconds)
                             .arg(s.plannedSeconds);
    }
    if (!e.hasProgram) {
        e.verdict = QStringLiteral("无判定");
        return e;
    }
    if (!chainHolds) e.reasons << QStringLiteral("记录已被改动");
    if (e.coverage < kRequiredCoverage)
        e.reasons << QStringLiteral("数据覆盖率 %1% 低于 99%").arg(e.coverage, 0, 'f', 1);
    e.verdict = e.reasons.isEmpty() ? QStringLiteral("PASS") : QStringLiteral("FAIL");
    return e;
}

StoredBatchEvaluation::StoredBatchEvaluation(const BatchSummary& batch,
                                             const std::vector<StoredEntry>& entries) {
    PlannedProfile profile;
    std::vector<std::pair<std::int64_t, int>> marks;
    for (const StoredEntry& s : entries) {
        const QJsonObject o = QJsonDocument::fromJson(s.entry.payload).object();
        if (s.entry.kind == EntryKind::Capture &&
            o.value(QStringLiteral("phase")) == QStringLiteral("start"))
            profile = PlannedProfile::fromCapture(o);
        else if (s.entry.kind == EntryKind::Segment)
            marks.emplace_back(s.entry.timeMs, o.value(QStringLiteral("segment")).toInt());
        else if (s.entry.kind == EntryKind::Write)
            ++m_writes;
        else if (s.entry.kind == EntryKind::Event &&
                 o.value(QStringLiteral("kind")) == QStringLiteral("alarm"))
            m_alarms << o.value(QStringLiteral("text")).toString();
    }
    m_alarms.removeDuplicates();
    const std::int64_t endMs = batch.isOpen() ? QDateTime::currentMSecsSinceEpoch() : batch.endedMs;
    m_evaluator.emplace(batch, profile, std::move(marks), endMs);
}

BatchEvaluation StoredBatchEvaluation::finish(bool chainHolds) {
    return m_evaluator->finish(chainHolds, m_writes, m_alarms);
}

BatchEvaluation EvaluateBatch(const BatchStore& store, const BatchSummary& batch, bool chainHolds) {
    StoredBatchEvaluation evaluation(batch, store.entries(batch.id));
    std::int64_t after = 0;
    constexpr int kPage = 20000;
    for (;;) {
        int n = 0;
        store.records(batch.id, after, kPage, [&](const BatchRecord& r) {
            evaluation.add(r);
            after = r.seq;
            ++n;
        });
        if (n < kPage) break;
    }
    return evaluation.finish(chainHolds);
}

}  // namespace vt
