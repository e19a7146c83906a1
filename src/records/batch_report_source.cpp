#include "batch_report_source.h"

#include <QSysInfo>

#include "batch_chart_source.h"
#include "load_rule.h"
#include "settings_capture.h"

namespace vt {

namespace {

constexpr int kReportChartColumns = 1000;

QDateTime TimeOf(std::int64_t ms) { return ms ? QDateTime::fromMSecsSinceEpoch(ms) : QDateTime(); }

double SecondsAfter(std::int64_t ms, std::int64_t startMs) { return (ms - startMs) / 1000.0; }

ReportVerdict VerdictOf(const BatchEvaluation& e) {
    const VerdictKind kind = e.verdict == QStringLiteral("PASS")   ? VerdictKind::Pass
                             : e.verdict == QStringLiteral("FAIL") ? VerdictKind::Fail
                                                                   : VerdictKind::None;
    return {kind, e.reasons};
}

SegmentReportRow RowOf(const SegmentResult& s, const BatchSummary& batch) {
    SegmentReportRow row;
    row.number = s.segment;
    row.soak = s.soak;
    row.setPoint = s.setPoint;
    row.plannedStart = SecondsAfter(s.plannedStartMs, batch.startedMs);
    row.plannedEnd = SecondsAfter(s.plannedEndMs, batch.startedMs);
    row.actualStart = s.actualStartMs ? SecondsAfter(s.actualStartMs, batch.startedMs) : -1.0;
    row.actualEnd = s.actualEndMs ? SecondsAfter(s.actualEndMs, batch.startedMs) : -1.0;
    row.minimum = s.minimum;
    row.maximum = s.maximum;
    row.mean = s.mean;
    row.largestDeviation = s.largestDeviation;
    if (s.soak) {
        row.timeInBand = static_cast<double>(s.inBandSeconds);
        row.requiredTime = s.plannedSeconds * (1.0 - batch.timeTolerance / 100.0);
        row.passed = s.passed;
    }
    return row;
}

// The report's kinds of event; the lines it has no kind for are notes that say their own kind.
ReportEvent EventOf(const BatchEvent& e) {
    static const std::vector<std::pair<QString, ReportEventKind>> kinds = {
        {QStringLiteral("中断"), ReportEventKind::Gap},
        {QStringLiteral("报警"), ReportEventKind::Alarm},
        {QStringLiteral("备注"), ReportEventKind::Note},
        {QStringLiteral("表头修改"), ReportEventKind::HeaderChange},
        {QStringLiteral("写入"), ReportEventKind::Write}};
    for (const auto& [name, kind] : kinds)
        if (e.kind == name) return {TimeOf(e.timeMs), kind, e.text};
    return {TimeOf(e.timeMs), ReportEventKind::Note, e.kind + QStringLiteral(": ") + e.text};
}

ReportIntegrity IntegrityOf(const BatchDossier& d) {
    const BatchEvaluation& e = d.evaluation;
    ReportIntegrity r;
    r.chainHead = QString::fromLatin1(d.integrity.head);
    r.recordCount = d.batch.recordCount;
    r.coveragePercent = e.coverage;
    r.gapCount = e.gapCount;
    r.longestGapSeconds = static_cast<double>(e.longestGapSeconds);
    r.totalGapSeconds = static_cast<double>(e.totalGapSeconds);
    r.intact = d.integrity.holds;
    if (!r.intact) r.firstMismatch = d.integrity.text();
    return r;
}

void FillHeader(BatchReportData& r, const BatchSummary& b) {
    r.number = b.number();
    r.order = b.header.value(HeaderField::Order);
    r.part = b.header.value(HeaderField::Part);
    r.material = b.header.value(HeaderField::Material);
    r.quantity = b.header.value(HeaderField::Quantity);
    r.operatorName = b.header.value(HeaderField::Operator);
    r.comment = b.header.value(HeaderField::Comment);
    r.start = TimeOf(b.startedMs);
    r.end = TimeOf(b.endedMs);
    r.startedLate = b.late;
    r.loadSensor = SensorName(b.sensor);
    r.bandTolerance = b.band;
    r.timeTolerancePercent = b.timeTolerance;
}

}  // namespace

BatchReportData BatchReportDataOf(BatchDossier d) {
    BatchReportData r;
    const QJsonObject& capture = d.startCapture;
    r.station = QSysInfo::machineHostName();
    r.port = capture.value(QStringLiteral("port")).toVariant().toString();
    r.address = capture.value(QStringLiteral("address")).toInt(1);
    FillHeader(r, d.batch);
    r.curveNumber = d.profile.empty() ? -1 : d.profile.curve;
    r.unit = UnitName(CapturedScaling(capture));
    r.verdict = VerdictOf(d.evaluation);
    r.chart = ChartDataOf(d.chart, r.unit);
    for (const SegmentResult& s : d.evaluation.segments) r.segments.push_back(RowOf(s, d.batch));
    for (const BatchEvent& e : d.events) {
        r.events.push_back(EventOf(e));
        if (e.kind == QStringLiteral("写入")) r.fingerprint.changingWrites << e.text;
    }
    r.fingerprint.atStart = d.fingerprintStart;
    r.fingerprint.atEnd = d.fingerprintEnd;
    r.integrity = IntegrityOf(d);
    for (const BatchSignature& s : d.signatures)
        r.signatures.push_back({s.name, s.meaning, s.comment, s.account, TimeOf(s.timeMs)});
    r.chainExport = std::move(d.chainExport);
    r.madeAt = QDateTime::currentDateTime();
    return r;
}

std::optional<BatchReportData> LoadBatchReport(const BatchStore& store, std::int64_t batchId) {
    auto dossier = LoadBatchDossier(store, batchId, kReportChartColumns, true);
    if (!dossier) return std::nullopt;
    return BatchReportDataOf(std::move(*dossier));
}

}  // namespace vt
