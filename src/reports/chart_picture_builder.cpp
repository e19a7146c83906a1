#include "chart_picture_builder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace vt {

namespace {

constexpr QRgb kPlannedRgb = 0x303030;
constexpr double kPlannedWidthMm = 0.45;
constexpr double kPenWidthMm = 0.35;

// Maps seconds and values onto the unit square.
struct Scale {
    double minimum;
    double maximum;
    double span;  // seconds

    double x(double seconds) const { return seconds / span; }
    double y(double value) const { return (maximum - value) / (maximum - minimum); }
};

double NiceStep(double rough) {
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double m : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (m * power >= rough) return m * power;
    return 10.0 * power;
}

std::vector<ChartTick> ValueTicks(const Scale& scale) {
    std::vector<ChartTick> ticks;
    const double step = NiceStep((scale.maximum - scale.minimum) / 6.0);
    // Multiples of the step, not sums of it: zero stays zero, not 1e-15.
    for (double k = std::ceil(scale.minimum / step); k * step <= scale.maximum + step * 1e-6; ++k)
        ticks.push_back({scale.y(k * step), QString::number(k * step, 'g', 6)});
    return ticks;
}

// Grid lines on round local times: whole minutes, hours, days of the station's clock.
std::vector<ChartTick> TimeTicks(const Scale& scale, const QDateTime& start) {
    std::vector<ChartTick> ticks;
    if (!start.isValid()) return ticks;
    const double step = ChartTimeStep(scale.span);
    const QString format =
        step < 60.0 ? QStringLiteral("MM-dd\nHH:mm:ss") : QStringLiteral("MM-dd\nHH:mm");
    const double origin = double(start.toMSecsSinceEpoch() + start.offsetFromUtc() * 1000LL) / 1e3;
    const double first = std::ceil(origin / step) * step - origin;
    for (double s = first; s <= scale.span + 1e-6; s += step)
        ticks.push_back(
            {scale.x(s), start.addMSecs(qint64(std::llround(s * 1000.0))).toString(format)});
    return ticks;
}

bool GapBetween(const std::vector<ChartGap>& gaps, double left, double right) {
    return std::any_of(gaps.begin(), gaps.end(),
                       [&](const ChartGap& g) { return g.left < right && g.right > left; });
}

// The pen's columns as one zigzag line through each column's minimum and maximum. Columns
// without a sample are bridged (columns finer than the records) unless a gap lies between.
QPainterPath ColumnPath(const Scale& scale, const std::vector<ColumnRange>& columns,
                        const std::vector<ChartGap>& gaps) {
    QPainterPath path;
    const double width = 1.0 / double(std::max<std::size_t>(columns.size(), 1));
    bool open = false;
    double last = 0.0;
    double lastX = 0.0;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const ColumnRange& c = columns[i];
        if (!c.present) continue;
        const double x = (double(i) + 0.5) * width;
        if (open && GapBetween(gaps, lastX, x)) open = false;
        lastX = x;
        // Enter the column at the end nearer the previous one, leave it at the other.
        const bool rising = !open || std::abs(last - c.minimum) <= std::abs(last - c.maximum);
        const double enter = scale.y(rising ? c.minimum : c.maximum);
        const double leave = scale.y(rising ? c.maximum : c.minimum);
        if (open)
            path.lineTo(x, enter);
        else
            path.moveTo(x, enter);
        if (leave != enter) path.lineTo(x, leave);
        last = rising ? c.maximum : c.minimum;
        open = true;
    }
    return path;
}

QPainterPath PlannedPath(const Scale& scale, const std::vector<QPointF>& planned) {
    QPainterPath path;
    for (std::size_t i = 0; i < planned.size(); ++i) {
        const QPointF p(scale.x(planned[i].x()), scale.y(planned[i].y()));
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    return path;
}

// Value range the chart shows: every present column and planned point, with a margin.
std::pair<double, double> ChartValueRange(const ReportChartData& chart) {
    double low = std::numeric_limits<double>::max();
    double high = std::numeric_limits<double>::lowest();
    for (const ReportPen& pen : chart.pens)
        for (const ColumnRange& c : pen.columns)
            if (c.present) {
                low = std::min<double>(low, c.minimum);
                high = std::max<double>(high, c.maximum);
            }
    for (const QPointF& p : chart.planned) {
        low = std::min(low, p.y());
        high = std::max(high, p.y());
    }
    if (low > high) return {0.0, 100.0};
    const double margin = std::max((high - low) * 0.05, 1.0);
    return {low - margin, high + margin};
}

}  // namespace

double ChartTimeStep(double spanSeconds) {
    static constexpr std::array<double, 20> kSteps{1,     2,     5,     10,    15,     30,    60,
                                                   120,   300,   600,   900,   1800,   3600,  7200,
                                                   10800, 21600, 43200, 86400, 172800, 604800};
    for (const double step : kSteps)
        if (spanSeconds / step <= 8.0) return step;
    return kSteps.back();
}

ChartPicture BuildChartPicture(const ReportChartData& chart) {
    const auto [minimum, maximum] = ChartValueRange(chart);
    const Scale scale{minimum, maximum, std::max(chart.spanSeconds, 1.0)};
    ChartPicture picture;
    picture.unit = chart.unit;
    picture.valueTicks = ValueTicks(scale);
    picture.timeTicks = TimeTicks(scale, chart.start);
    for (const ChartSpan& gap : chart.gaps)
        if (gap.toSeconds >= 0.0 && gap.fromSeconds <= scale.span)
            picture.gaps.push_back(
                {std::max(scale.x(gap.fromSeconds), 0.0), std::min(scale.x(gap.toSeconds), 1.0)});
    if (chart.planned.size() > 1)
        picture.lines.push_back({chart.plannedName, kPlannedRgb, Qt::DashLine, kPlannedWidthMm,
                                 PlannedPath(scale, chart.planned)});
    for (const ReportPen& pen : chart.pens)
        picture.lines.push_back({pen.name, pen.rgb, pen.style, kPenWidthMm,
                                 ColumnPath(scale, pen.columns, picture.gaps)});
    for (const ChartMark& mark : chart.marks) {
        const double x = scale.x(mark.seconds);
        if (x >= 0.0 && x <= 1.0) picture.marks.push_back({x, mark.label});
    }
    return picture;
}

}  // namespace vt
