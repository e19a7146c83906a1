#include "batch_chart.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "batch_chart_source.h"
#include "chart_picture_builder.h"

namespace vt {

namespace {

constexpr int kMinDragPixels = 4;
constexpr double kMmPerInch = 25.4;

QFont Sized(QFont font, double points, bool bold = false) {
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}  // namespace

BatchChart::BatchChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("BatchChart"));
    setMinimumSize(400, 220);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BatchChart::setData(BatchChartData data) {
    m_data = std::move(data);
    m_picture = BuildChartPicture(ChartDataOf(m_data, QString()));
    m_painted = {};
    update();
}

ChartLooks BatchChart::looks() const {
    return {logicalDpiX() / kMmPerInch, 1.0, Sized(font(), 8), font(),
            Sized(font(), 7, true),     true};
}

QRectF BatchChart::plotRect() const { return ChartPlotRect(QRectF(rect()), looks()); }

int BatchChart::plotWidth() const { return std::max(1, static_cast<int>(plotRect().width())); }

std::int64_t BatchChart::timeAt(double x) const {
    const QRectF plot = plotRect();
    const double f = std::clamp((x - plot.left()) / plot.width(), 0.0, 1.0);
    return m_data.fromMs +
           static_cast<std::int64_t>(f * static_cast<double>(m_data.toMs - m_data.fromMs));
}

// The chart is painted once per picture and size: a page laid out anew around it (a readout's
// text changed) only copies it.
void BatchChart::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    if (m_painted.size() != size() * ratio) {
        m_painted = QPixmap(size() * ratio);
        m_painted.setDevicePixelRatio(ratio);
        m_painted.fill(Qt::white);
        QPainter chart(&m_painted);
        chart.setRenderHint(QPainter::Antialiasing);
        PaintChartPicture(chart, QRectF(rect()), m_picture, looks());
    }
    QPainter p(this);
    p.drawPixmap(0, 0, m_painted);
    if (!m_dragFrom) return;
    const QRectF plot = plotRect();
    p.fillRect(QRectF(QPointF(*m_dragFrom, plot.top()), QPointF(m_dragTo, plot.bottom())),
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
    emit zoomRequested(timeAt(from), timeAt(to));
}

void BatchChart::mouseDoubleClickEvent(QMouseEvent*) { emit zoomReset(); }

}  // namespace vt
