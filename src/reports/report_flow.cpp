#include "report_flow.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#include "report_style.h"

namespace vt {

namespace {

constexpr double kSideMarginMm = 15.0;
constexpr double kTopMarginMm = 10.0;
constexpr double kBottomMarginMm = 10.0;
constexpr double kFrameBandMm = 9.0;  // header and footer band, each

// Tenths of a millimetre per device pixel.
double UnitsPerPixel(const QPagedPaintDevice& device) { return 254.0 / device.logicalDpiX(); }

// The paintable page in report units, and where it starts on the paper.
QRectF PaintablePage(const QPagedPaintDevice& device) {
    const double k = UnitsPerPixel(device);
    return QRectF(0.0, 0.0, device.width() * k, device.height() * k);
}

// Our margins less what the device keeps for itself.
QRectF BodyOf(const QPagedPaintDevice& device, const QRectF& page) {
    const QMarginsF own = device.pageLayout().margins(QPageLayout::Millimeter);
    const double left = Mm(std::max(0.0, kSideMarginMm - own.left()));
    const double right = Mm(std::max(0.0, kSideMarginMm - own.right()));
    const double top = Mm(std::max(0.0, kTopMarginMm - own.top()) + kFrameBandMm);
    const double bottom = Mm(std::max(0.0, kBottomMarginMm - own.bottom()) + kFrameBandMm);
    return page.adjusted(left, top, -right, -bottom);
}

}  // namespace

ReportFlow::ReportFlow(QPagedPaintDevice& device, QPainter* painter, const PageFrame& frame,
                       int totalPages)
    : m_device(device),
      m_painter(painter),
      m_frame(frame),
      m_totalPages(totalPages),
      m_paper(PaintablePage(device)),
      m_body(BodyOf(device, m_paper)),
      m_y(m_body.top()) {
    if (m_painter) {
        const double scale = 1.0 / UnitsPerPixel(device);
        m_painter->scale(scale, scale);
        m_painter->setRenderHint(QPainter::Antialiasing, true);
    }
}

double ReportFlow::take(double height) {
    if (m_y + height > m_body.bottom() && m_y > m_body.top()) newPage();
    const double top = m_y;
    m_y += height;
    return top;
}

void ReportFlow::newPage() {
    paintFrame();
    if (m_painter) m_device.newPage();
    ++m_page;
    m_y = m_body.top();
}

void ReportFlow::finish() { paintFrame(); }

double ReportFlow::textHeight(const QFont& font, double width, const QString& text,
                              int wrap) const {
    const QFontMetricsF metrics(font, &m_device);
    if (text.isEmpty()) return metrics.height();
    return metrics.boundingRect(QRectF(0, 0, width, 1e6), wrap, text).height();
}

void ReportFlow::drawText(const QRectF& rect, const QFont& font, int flags, const QString& text,
                          const QColor& colour) const {
    if (!m_painter) return;
    m_painter->setFont(font);
    m_painter->setPen(colour);
    m_painter->drawText(rect, flags, text);
}

void ReportFlow::paintFrame() const {
    if (!m_painter) return;
    const QFont font = ReportFont(8);
    const double band = Mm(kFrameBandMm);
    const QRectF header(m_body.left(), m_body.top() - band, m_body.width(), band - Mm(2));
    const QRectF footer(m_body.left(), m_body.bottom() + Mm(2), m_body.width(), band - Mm(2));
    drawText(header, ReportFont(9, true), Qt::AlignLeft | Qt::AlignBottom, m_frame.title);
    drawText(header, font, Qt::AlignRight | Qt::AlignBottom, m_frame.station);
    m_painter->setPen(LinePen(Qt::black, 0.3));
    m_painter->drawLine(header.bottomLeft() + QPointF(0, Mm(1)),
                        header.bottomRight() + QPointF(0, Mm(1)));
    m_painter->drawLine(footer.topLeft() - QPointF(0, Mm(1)),
                        footer.topRight() - QPointF(0, Mm(1)));
    const QString pages = QStringLiteral("第 %1 页 共 %2 页").arg(m_page).arg(m_totalPages);
    const QString made = QStringLiteral("生成时间 %1")
                             .arg(m_frame.madeAt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    if (!m_frame.number.isEmpty())
        drawText(footer, font, Qt::AlignLeft | Qt::AlignTop,
                 QStringLiteral("批号 %1").arg(m_frame.number));
    drawText(footer, font, Qt::AlignHCenter | Qt::AlignTop, pages);
    drawText(footer, font, Qt::AlignRight | Qt::AlignTop, made);
}

bool PaintPaged(QPagedPaintDevice& device, const PageFrame& frame,
                const std::function<void(ReportFlow&)>& layout) {
    ReportFlow counting(device, nullptr, frame, 0);
    layout(counting);
    QPainter painter;
    if (!painter.begin(&device)) return false;
    ReportFlow flow(device, &painter, frame, counting.page());
    layout(flow);
    flow.finish();
    return painter.end();
}

}  // namespace vt
