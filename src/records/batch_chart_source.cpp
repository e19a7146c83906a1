#include "batch_chart_source.h"

#include "report_chart.h"

namespace vt {

namespace {

double SecondsAfter(std::int64_t ms, std::int64_t startMs) { return (ms - startMs) / 1000.0; }

}  // namespace

ReportChartData ChartDataOf(const BatchChartData& c, const QString& unit) {
    ReportChartData chart;
    if (c.fromMs) chart.start = QDateTime::fromMSecsSinceEpoch(c.fromMs);
    chart.spanSeconds = SecondsAfter(c.toMs, c.fromMs);
    chart.unit = unit;
    chart.pens = BatchPenLooks();
    for (std::size_t p = 0; p < chart.pens.size(); ++p) {
        chart.pens[p].columns.assign(static_cast<std::size_t>(std::max(c.width, 0)), {});
        for (const ColumnBand& band : c.bands) {
            if (band.column < 0 || band.column >= c.width || band.low.size() <= p + 1) continue;
            chart.pens[p].columns[static_cast<std::size_t>(band.column)] = {band.low[p + 1],
                                                                            band.high[p + 1], true};
        }
    }
    chart.plannedName = QStringLiteral("计划曲线");
    for (const QPointF& point : c.planned)
        chart.planned.emplace_back(SecondsAfter(static_cast<std::int64_t>(point.x()), c.fromMs),
                                   point.y());
    for (std::size_t n = 0; n < c.notes.size(); ++n)
        chart.marks.push_back({SecondsAfter(c.notes[n], c.fromMs), QString::number(n + 1)});
    for (const auto& [from, to] : c.gaps)
        chart.gaps.push_back({SecondsAfter(from, c.fromMs), SecondsAfter(to, c.fromMs)});
    return chart;
}

}  // namespace vt
