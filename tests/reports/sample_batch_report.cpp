#include "sample_batch_report.h"

#include <QCryptographicHash>
#include <array>
#include <cmath>

#include "column_reducer.h"
#include "report_chart.h"

namespace vt::samples {

namespace {

// Planned profile: ramp to 850 in a fifth of the run, soak three fifths, cool to 200.
std::vector<QPointF> Profile(double span) {
    return {{0.0, 25.0}, {span * 0.2, 850.0}, {span * 0.8, 850.0}, {span, 200.0}};
}

double Planned(const std::vector<QPointF>& profile, double t) {
    for (std::size_t i = 1; i < profile.size(); ++i)
        if (t <= profile[i].x()) {
            const QPointF a = profile[i - 1];
            const QPointF b = profile[i];
            return a.y() + (b.y() - a.y()) * (t - a.x()) / std::max(b.x() - a.x(), 1.0);
        }
    return profile.back().y();
}

std::vector<SegmentReportRow> Segments(double span) {
    SegmentReportRow ramp{1,    false, 850.0, 0.0, span * 0.2, 0.0, span * 0.2 + 40.0,
                          24.8, 851.2, 430.5, 6.3, 0.0,        0.0, std::nullopt};
    SegmentReportRow soak{
        2,     true,  850.0, span * 0.2, span * 0.8,        span * 0.2 + 40.0, span * 0.8 + 40.0,
        846.1, 853.9, 850.1, 3.9,        span * 0.6 - 30.0, span * 0.6 * 0.9,  true};
    SegmentReportRow cool{3,     false, 200.0, span * 0.8, span, span * 0.8 + 40.0, span, 199.5,
                          850.2, 520.7, 8.1,   0.0,        0.0,  std::nullopt};
    return {ramp, soak, cool};
}

}  // namespace

BatchReportData SampleBatchReport(double hours, int columns) {
    BatchReportData d;
    const double span = hours * 3600.0;
    d.station = QStringLiteral("热处理炉 3 号");
    d.port = QStringLiteral("COM1 /dev/ttyUSB0");
    d.address = 1;
    d.number = QStringLiteral("B-2026-0042");
    d.order = QStringLiteral("WO-7781");
    d.part = QStringLiteral("齿轮轴 GZ-40");
    d.material = QStringLiteral("42CrMo");
    d.quantity = QStringLiteral("120 件");
    d.operatorName = QStringLiteral("张伟");
    d.start = QDateTime(QDate(2026, 12, 1), QTime(8, 0, 0));
    d.end = d.start.addSecs(qint64(span));
    d.curveNumber = 3;
    d.unit = QStringLiteral("℃");
    d.verdict = {VerdictKind::Pass, {QStringLiteral("保温段 2 带内时间满足要求；覆盖率 99.9 %")}};
    d.madeAt = QDateTime(QDate(2026, 12, 8), QTime(23, 50, 0));

    ReportChartData& chart = d.chart;
    chart.start = d.start;
    chart.spanSeconds = span;
    chart.unit = d.unit;
    chart.plannedName = QStringLiteral("计划曲线");
    chart.planned = Profile(span);
    const ChartSpan gap{span * 0.5, span * 0.5 + 300.0};
    chart.gaps = {gap};
    chart.marks = {{span * 0.3, QStringLiteral("1")}, {span * 0.7, QStringLiteral("2")}};

    ColumnReducer reducer(span, columns, 3);
    QByteArray chain;
    QByteArray hash(32, '\0');
    const auto seconds = static_cast<int>(span);
    for (int s = 0; s < seconds; ++s) {
        if (s >= gap.fromSeconds && s < gap.toSeconds) continue;
        const double sv = Planned(chart.planned, s);
        const double pv1 = sv - 6.0 * std::exp(-0.002 * s) + 1.5 * std::sin(s / 97.0);
        const std::array<float, 3> values{float(pv1), float(pv1 - 4.0 + std::sin(s / 13.0)),
                                          float(sv)};
        reducer.add(s, values);
        const QByteArray entry = QByteArray("R,") + QByteArray::number(s) + ',' +
                                 QByteArray::number(values[0], 'f', 1) + ',' +
                                 QByteArray::number(values[1], 'f', 1) + ',' +
                                 QByteArray::number(values[2], 'f', 1);
        hash = QCryptographicHash::hash(hash + entry, QCryptographicHash::Sha256);
        chain += entry + ',' + hash.toHex() + '\n';
    }
    chart.pens = BatchPenLooks();
    for (int i = 0; i < 3; ++i) chart.pens[std::size_t(i)].columns = reducer.pen(i);
    d.chainExport = chain;

    d.segments = Segments(span);
    d.events = {
        {d.start.addSecs(qint64(span * 0.3)), ReportEventKind::Note,
         QStringLiteral("1：装炉完毕，炉门密封检查正常")},
        {d.start.addSecs(qint64(gap.fromSeconds)), ReportEventKind::Gap,
         QStringLiteral("通讯中断 0:05:00")},
        {d.start.addSecs(qint64(span * 0.6)), ReportEventKind::Write,
         QStringLiteral("SV1 850.0 → 852.0（曲线设置）")},
        {d.start.addSecs(qint64(span * 0.65)), ReportEventKind::HeaderChange,
         QStringLiteral("零件：齿轮轴 → 齿轮轴 GZ-40")},
        {d.start.addSecs(qint64(span * 0.7)), ReportEventKind::Note,
         QStringLiteral("2：抽检硬度 HRC 52")},
    };
    const auto digest = [](const char* text) {
        return QString::fromLatin1(
            QCryptographicHash::hash(text, QCryptographicHash::Sha256).toHex());
    };
    d.fingerprint = {digest("settings at start"),
                     digest("settings at end"),
                     {QStringLiteral("2026-12-01 09:12:00 SV1 850.0 → 852.0")}};
    d.integrity.chainHead = QString::fromLatin1(hash.toHex());
    d.integrity.recordCount = seconds - 300;
    d.integrity.coveragePercent = 100.0 * (seconds - 300) / std::max(seconds, 1);
    d.integrity.gapCount = 1;
    d.integrity.longestGapSeconds = 300.0;
    d.integrity.totalGapSeconds = 300.0;
    return d;
}

}  // namespace vt::samples
