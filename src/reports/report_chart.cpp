#include "report_chart.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "report_style.h"

namespace vt {

namespace {

constexpr double kLegendMm = 6.0;
constexpr double kValueAxisMm = 14.0;
constexpr double kTimeAxisMm = 9.0;
constexpr double kRightMm = 3.0;
constexpr QRgb kPlannedRgb = 0x303030;

struct Axes {
    QRectF plot;
    double minimum;
    double maximum;
    double span;  // seconds

    double x(double seconds) const { return plot.left() + plot.width() * seconds / span; }
    double y(double value) const {
        return plot.bottom() - plot.height() * (value - minimum) / (maximum - minimum);
    }
};

double NiceStep(double rough) {
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double m : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (m * power >= rough) return m * power;
    return 10.0 * power;
}

double TimeStep(double span) {
    static constexpr std::array<double, 14> kSteps{
        60, 120, 300, 600, 900, 1800, 3600, 7200, 10800, 21600, 43200, 86400, 172800, 604800};
    for (const double step : kSteps)
        if (span / step <= 8.0) return step;
    return kSteps.back();
}

void PaintValueAxis(QPainter& painter, const Axes& axes) {
    const double step = NiceStep((axes.maximum - axes.minimum) / 6.0);
    painter.setFont(ReportFont(7));
    for (double v = std::ceil(axes.minimum / step) * step; v <= axes.maximum + step * 1e-6;
         v += step) {
        const double y = axes.y(v);
        painter.setPen(LinePen(QColor(0xC8, 0xC8, 0xC8), 0.1, Qt::DashLine));
        painter.drawLine(QPointF(axes.plot.left(), y), QPointF(axes.plot.right(), y));
        painter.setPen(Qt::black);
        painter.drawText(
            QRectF(axes.plot.left() - Mm(kValueAxisMm), y - Mm(2), Mm(kValueAxisMm - 1), Mm(4)),
            Qt::AlignRight | Qt::AlignVCenter, QString::number(v, 'g', 6));
    }
}

void PaintTimeAxis(QPainter& painter, const Axes& axes, const QDateTime& start) {
    const double step = TimeStep(axes.span);
    const qint64 origin = start.toSecsSinceEpoch() + start.offsetFromUtc();
    const double first = std::ceil(double(origin) / step) * step - double(origin);
    painter.setFont(ReportFont(7));
    for (double s = first; s <= axes.span + 1e-6; s += step) {
        const double x = axes.x(s);
        painter.setPen(LinePen(QColor(0xC8, 0xC8, 0xC8), 0.1, Qt::DashLine));
        painter.drawLine(QPointF(x, axes.plot.top()), QPointF(x, axes.plot.bottom()));
        painter.setPen(Qt::black);
        const QDateTime at = start.addMSecs(qint64(s * 1000.0));
        painter.drawText(QRectF(x - Mm(10), axes.plot.bottom() + Mm(0.5), Mm(20), Mm(kTimeAxisMm)),
                         Qt::AlignHCenter | Qt::AlignTop,
                         at.toString(QStringLiteral("MM-dd\nHH:mm")));
    }
}

void PaintGaps(QPainter& painter, const Axes& axes, const std::vector<ChartSpan>& gaps) {
    for (const ChartSpan& gap : gaps) {
        const double left = std::max(axes.plot.left(), axes.x(gap.fromSeconds));
        const double right = std::min(axes.plot.right(), axes.x(gap.toSeconds));
        const QRectF area(left, axes.plot.top(), std::max(right - left, Mm(0.3)),
                          axes.plot.height());
        painter.fillRect(area, QColor(0xE0, 0xE0, 0xE0));
        painter.fillRect(area, QBrush(QColor(0x90, 0x90, 0x90), Qt::BDiagPattern));
    }
}

void PaintMarks(QPainter& painter, const Axes& axes, const std::vector<ChartMark>& marks) {
    painter.setFont(ReportFont(6.5, true));
    for (const ChartMark& mark : marks) {
        const double x = axes.x(mark.seconds);
        painter.setPen(LinePen(Qt::black, 0.2, Qt::DotLine));
        painter.drawLine(QPointF(x, axes.plot.top()), QPointF(x, axes.plot.bottom()));
        const QRectF box(x - Mm(3), axes.plot.top(), Mm(6), Mm(3.5));
        painter.fillRect(box, Qt::white);
        painter.setPen(LinePen(Qt::black, 0.15));
        painter.drawRect(box);
        painter.drawText(box, Qt::AlignCenter, mark.label);
    }
}

// The pen's columns as one zigzag line through each column's minimum and maximum, broken where
// a column holds no sample.
QPainterPath ColumnPath(const Axes& axes, const std::vector<ColumnRange>& columns) {
    QPainterPath path;
    const double width = axes.plot.width() / double(std::max<std::size_t>(columns.size(), 1));
    bool open = false;
    double last = 0.0;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const ColumnRange& c = columns[i];
        if (!c.present) {
            open = false;
            continue;
        }
        const double x = axes.plot.left() + (double(i) + 0.5) * width;
        // Enter the column at the end nearer the previous one, leave it at the other.
        const bool rising = !open || std::abs(last - c.minimum) <= std::abs(last - c.maximum);
        const double enter = axes.y(rising ? c.minimum : c.maximum);
        const double leave = axes.y(rising ? c.maximum : c.minimum);
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

void PaintPens(QPainter& painter, const Axes& axes, const ReportChartData& chart) {
    painter.save();
    painter.setClipRect(axes.plot);
    painter.setBrush(Qt::NoBrush);
    if (chart.planned.size() > 1) {
        QPolygonF line;
        for (const QPointF& p : chart.planned) line << QPointF(axes.x(p.x()), axes.y(p.y()));
        painter.setPen(LinePen(QColor::fromRgb(kPlannedRgb), 0.45, Qt::DashLine));
        painter.drawPolyline(line);
    }
    for (const ReportPen& pen : chart.pens) {
        painter.setPen(LinePen(QColor::fromRgb(pen.rgb), 0.35, pen.style));
        painter.drawPath(ColumnPath(axes, pen.columns));
    }
    painter.restore();
}

void LegendEntry(QPainter& painter, double& x, double y, const QString& name, const QPen& pen) {
    painter.setPen(pen);
    painter.drawLine(QPointF(x, y), QPointF(x + Mm(9), y));
    painter.setPen(Qt::black);
    const QRectF text(x + Mm(10), y - Mm(2.5), Mm(40), Mm(5));
    QRectF used;
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, name, &used);
    x = used.right() + Mm(5);
}

void PaintLegend(QPainter& painter, const QRectF& frame, const ReportChartData& chart) {
    painter.setFont(ReportFont(7.5));
    double x = frame.left() + Mm(kValueAxisMm);
    const double y = frame.top() + Mm(kLegendMm / 2);
    if (chart.planned.size() > 1)
        LegendEntry(painter, x, y, chart.plannedName,
                    LinePen(QColor::fromRgb(kPlannedRgb), 0.45, Qt::DashLine));
    for (const ReportPen& pen : chart.pens)
        LegendEntry(painter, x, y, pen.name, LinePen(QColor::fromRgb(pen.rgb), 0.35, pen.style));
    if (!chart.unit.isEmpty())
        painter.drawText(QRectF(frame.left(), frame.top(), Mm(kValueAxisMm - 1), Mm(kLegendMm)),
                         Qt::AlignRight | Qt::AlignVCenter, chart.unit);
}

}  // namespace

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

void PaintReportChart(QPainter& painter, const QRectF& frame, const ReportChartData& chart) {
    const auto [minimum, maximum] = ChartValueRange(chart);
    const QRectF plot =
        frame.adjusted(Mm(kValueAxisMm), Mm(kLegendMm), -Mm(kRightMm), -Mm(kTimeAxisMm));
    const Axes axes{plot, minimum, maximum, std::max(chart.spanSeconds, 1.0)};
    painter.save();
    painter.fillRect(plot, Qt::white);
    PaintGaps(painter, axes, chart.gaps);
    PaintValueAxis(painter, axes);
    PaintTimeAxis(painter, axes, chart.start);
    PaintPens(painter, axes, chart);
    PaintMarks(painter, axes, chart.marks);
    painter.setPen(LinePen(Qt::black, 0.25));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
    PaintLegend(painter, frame, chart);
    painter.restore();
}

std::vector<ReportPen> BatchPenLooks() {
    return {{QStringLiteral("PV1"), 0xE00000, Qt::SolidLine, {}},
            {QStringLiteral("PV2"), 0xB05000, Qt::DashDotLine, {}},
            {QStringLiteral("SV1"), 0x0000E0, Qt::DotLine, {}}};
}

}  // namespace vt
