#include "batch_chart.h"

#include <QDateTime>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <limits>

namespace vt {

namespace {

constexpr int kMarginLeft = 56;
constexpr int kMarginRight = 12;
constexpr int kMarginTop = 22;
constexpr int kMarginBottom = 24;
constexpr int kTicks = 5;
constexpr int kMinDragPixels = 4;

// Pens in ChartColumns() order: current set value, PV1, PV2, SV1.
const QColor kPenColours[] = {QColor(0, 64, 0), QColor(255, 0, 0), QColor(192, 64, 0),
                              QColor(0, 0, 255)};
const char* const kPenNames[] = {"t.SV", "PV1", "PV2", "SV1"};

}  // namespace

double BatchChartScale::x(double ms) const {
    return plot.left() + (ms - static_cast<double>(fromMs)) * plot.width() /
                             static_cast<double>(std::max<std::int64_t>(1, toMs - fromMs));
}

double BatchChartScale::y(double value) const {
    return plot.bottom() - (value - low) * plot.height() / (high - low);
}

std::int64_t BatchChartScale::timeAt(double px) const {
    const double f = std::clamp((px - plot.left()) / plot.width(), 0.0, 1.0);
    return fromMs + static_cast<std::int64_t>(f * static_cast<double>(toMs - fromMs));
}

BatchChartScale BatchChartScale::Fit(const BatchChartData& data, const QRectF& plot) {
    BatchChartScale s;
    s.plot = plot;
    s.fromMs = data.fromMs;
    s.toMs = std::max(data.toMs, data.fromMs + 1);
    double low = std::numeric_limits<double>::max();
    double high = std::numeric_limits<double>::lowest();
    for (const ColumnBand& b : data.bands) {
        for (std::size_t k = 0; k < b.low.size(); ++k) {
            low = std::min<double>(low, b.low[k]);
            high = std::max<double>(high, b.high[k]);
        }
    }
    for (const QPointF& p : data.planned) {
        low = std::min(low, p.y());
        high = std::max(high, p.y());
    }
    if (low > high) {
        low = 0.0;
        high = 100.0;
    }
    const double margin = std::max(1.0, (high - low) * 0.05);
    s.low = low - margin;
    s.high = high + margin;
    return s;
}

BatchChart::BatchChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("BatchChart"));
    setMinimumSize(400, 220);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BatchChart::setData(BatchChartData data) {
    m_data = std::move(data);
    update();
}

QRectF BatchChart::plotRect() const {
    return QRectF(kMarginLeft, kMarginTop, width() - kMarginLeft - kMarginRight,
                  height() - kMarginTop - kMarginBottom);
}

int BatchChart::plotWidth() const { return std::max(1, static_cast<int>(plotRect().width())); }

void BatchChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const BatchChartScale s = BatchChartScale::Fit(m_data, plotRect());
    p.setPen(QColor(200, 200, 200));
    for (int i = 0; i <= kTicks; ++i) {
        const double y = s.plot.top() + s.plot.height() * i / kTicks;
        const double x = s.plot.left() + s.plot.width() * i / kTicks;
        p.setPen(QColor(210, 210, 210));
        p.drawLine(QPointF(s.plot.left(), y), QPointF(s.plot.right(), y));
        p.drawLine(QPointF(x, s.plot.top()), QPointF(x, s.plot.bottom()));
        p.setPen(Qt::black);
        p.drawText(QRectF(0, y - 8, kMarginLeft - 4, 16), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(s.high - (s.high - s.low) * i / kTicks, 'f', 1));
        const QString when =
            QDateTime::fromMSecsSinceEpoch(s.timeAt(x)).toString(QStringLiteral("HH:mm:ss"));
        p.drawText(QRectF(x - 40, s.plot.bottom() + 4, 80, 16), Qt::AlignCenter, when);
    }
    p.setPen(Qt::black);
    p.drawRect(s.plot);
    p.setRenderHint(QPainter::Antialiasing);
    for (std::size_t k = 0; k < m_data.columns.size() && k < std::size(kPenColours); ++k) {
        QPolygonF line;
        for (const ColumnBand& b : m_data.bands) {
            const double x = s.x(static_cast<double>(b.firstMs));
            line << QPointF(x, s.y(b.low[k])) << QPointF(x, s.y(b.high[k]));
        }
        p.setPen(QPen(kPenColours[k], 1.5));
        p.drawPolyline(line);
        p.drawText(QPointF(s.plot.left() + 8 + 60 * static_cast<double>(k), 15),
                   QLatin1String(kPenNames[k]));
    }
    QPolygonF planned;
    for (const QPointF& pt : m_data.planned) planned << QPointF(s.x(pt.x()), s.y(pt.y()));
    p.setPen(QPen(Qt::black, 1.5, Qt::DashLine));
    p.drawPolyline(planned);
    p.setPen(QPen(QColor(255, 140, 0), 2));
    for (std::int64_t note : m_data.notes) {
        const double x = s.x(static_cast<double>(note));
        p.drawLine(QPointF(x, s.plot.top()), QPointF(x, s.plot.bottom()));
    }
    if (m_dragFrom)
        p.fillRect(QRectF(QPointF(*m_dragFrom, s.plot.top()), QPointF(m_dragTo, s.plot.bottom())),
                   QColor(0, 0, 255, 40));
}

void BatchChart::mousePressEvent(QMouseEvent* event) {
    m_dragFrom = event->position().x();
    m_dragTo = *m_dragFrom;
}

void BatchChart::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragFrom) return;
    m_dragTo = event->position().x();
    update();
}

void BatchChart::mouseReleaseEvent(QMouseEvent* event) {
    if (!m_dragFrom) return;
    const double from = std::min(*m_dragFrom, event->position().x());
    const double to = std::max(*m_dragFrom, event->position().x());
    m_dragFrom.reset();
    update();
    if (to - from < kMinDragPixels) return;
    const BatchChartScale s = BatchChartScale::Fit(m_data, plotRect());
    emit zoomRequested(s.timeAt(from), s.timeAt(to));
}

void BatchChart::mouseDoubleClickEvent(QMouseEvent*) { emit zoomReset(); }

}  // namespace vt
