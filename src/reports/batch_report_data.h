#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "report_chart_data.h"

namespace vt {

enum class VerdictKind { Pass, Fail, None };  // None: a manual batch, no verdict

struct ReportVerdict {
    VerdictKind kind = VerdictKind::None;
    QStringList reasons;  // why it failed (or notes on a pass)
};

// One segment of the planned profile against the run; times are seconds after the batch start,
// negative when not reached.
struct SegmentReportRow {
    int number = 0;
    bool soak = false;
    double setPoint = 0.0;
    double plannedStart = 0.0;
    double plannedEnd = 0.0;
    double actualStart = -1.0;
    double actualEnd = -1.0;
    double minimum = 0.0;
    double maximum = 0.0;
    double mean = 0.0;
    double largestDeviation = 0.0;
    double timeInBand = 0.0;    // soak segments: seconds within the band
    double requiredTime = 0.0;  // soak segments: planned time less the time tolerance
    std::optional<bool> passed;
};

enum class ReportEventKind { Gap, Alarm, Note, HeaderChange, Write };

struct ReportEvent {
    QDateTime time;
    ReportEventKind kind = ReportEventKind::Note;
    QString text;
};

// The controller settings' fingerprint at the start and end and the station's writes between.
struct ReportFingerprint {
    QString atStart;
    QString atEnd;  // empty while the batch is open
    QStringList changingWrites;
};

struct ReportIntegrity {
    QString chainHead;  // hex SHA-256 of the last entry
    qint64 recordCount = 0;
    double coveragePercent = 0.0;
    int gapCount = 0;
    double longestGapSeconds = 0.0;
    double totalGapSeconds = 0.0;
    bool intact = true;
    QString firstMismatch;  // the first entry that does not match, when not intact
};

struct ReportSignature {
    QString name;
    QString meaning;  // 审核 or 批准
    QString comment;
    QString account;
    QDateTime time;
};

// Everything a batch report shows, as plain values: the records subsystem fills it, the report
// only lays it out.
struct BatchReportData {
    QString station;
    QString port;
    int address = 1;
    QString number;
    QString order;     // 工单
    QString part;      // 零件
    QString material;  // 材料
    QString quantity;  // 数量
    QString operatorName;
    QString comment;
    QDateTime start;
    QDateTime end;  // invalid while open
    bool startedLate = false;
    int curveNumber = -1;  // the controller's curves are 0 to 8; negative: no program
    QString loadSensor = QStringLiteral("PV1");
    QString unit;
    double bandTolerance = 5.0;
    double timeTolerancePercent = 10.0;

    ReportVerdict verdict;
    ReportChartData chart;
    std::vector<SegmentReportRow> segments;
    std::vector<ReportEvent> events;
    ReportFingerprint fingerprint;
    ReportIntegrity integrity;
    std::vector<ReportSignature> signatures;

    // The batch's whole chain in its export form, attached to the PDF.
    QByteArray chainExport;
    QDateTime madeAt;  // when the report was made; now when invalid
};

}  // namespace vt
