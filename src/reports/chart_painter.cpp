#include "chart_painter.h"

#include <QPainter>
#include <QTransform>
#include <algorithm>

namespace vt {

namespace {

constexpr double kLegendMm = 6.0;
constexpr double kValueAxisMm = 14.0;
constexpr double kTimeAxisMm = 9.0;
constexpr double kRightMm = 3.0;
const QColor kGridColour(0xC8, 0xC8, 0xC8);

// Draws in millimetres of paper on any device.
class ChartCanvas {
  public:
    ChartCanvas(QPainter& painter, const QRectF& frame, const ChartLooks& looks)
        : m_painter(painter),
          m_looks(looks),
          m_frame(frame),
          m_plot(ChartPlotRect(frame, looks)),
          m_toPlot(m_plot.width(), 0, 0, m_plot.height(), m_plot.left(), m_plot.top()) {}

    double mm(double length) const { return length * m_looks.mm; }
    QPen pen(const QColor& colour, double widthMm, Qt::PenStyle style = Qt::SolidLine) const {
        return QPen(colour, std::max(mm(widthMm), m_looks.thinnest), style, Qt::FlatCap,
                    Qt::MiterJoin);
    }
    double x(double logical) const { return m_plot.left() + logical * m_plot.width(); }
    double y(double logical) const { return m_plot.top() + logical * m_plot.height(); }

    void valueAxis(const std::vector<ChartTick>& ticks) {
        m_painter.setFont(m_looks.axisFont);
        for (const ChartTick& tick : ticks) {
            const double at = y(tick.at);
            m_painter.setPen(pen(kGridColour, 0.1, Qt::DashLine));
            m_painter.drawLine(QPointF(m_plot.left(), at), QPointF(m_plot.right(), at));
            m_painter.setPen(Qt::black);
            m_painter.drawText(
                QRectF(m_plot.left() - mm(kValueAxisMm), at - mm(2), mm(kValueAxisMm - 1), mm(4)),
                Qt::AlignRight | Qt::AlignVCenter, tick.text);
        }
    }

    void timeAxis(const std::vector<ChartTick>& ticks) {
        m_painter.setFont(m_looks.axisFont);
        for (const ChartTick& tick : ticks) {
            const double at = x(tick.at);
            m_painter.setPen(pen(kGridColour, 0.1, Qt::DashLine));
            m_painter.drawLine(QPointF(at, m_plot.top()), QPointF(at, m_plot.bottom()));
            m_painter.setPen(Qt::black);
            m_painter.drawText(
                QRectF(at - mm(10), m_plot.bottom() + mm(0.5), mm(20), mm(kTimeAxisMm)),
                Qt::AlignHCenter | Qt::AlignTop, tick.text);
        }
    }

    void gaps(const std::vector<ChartGap>& gaps) {
        for (const ChartGap& gap : gaps) {
            const QRectF area(x(gap.left), m_plot.top(),
                              std::max(x(gap.right) - x(gap.left), mm(0.3)), m_plot.height());
            m_painter.fillRect(area, QColor(0xE0, 0xE0, 0xE0));
            m_painter.fillRect(area, QBrush(QColor(0x90, 0x90, 0x90), Qt::BDiagPattern));
        }
    }

    void lines(const std::vector<ChartLine>& lines) {
        m_painter.save();
        m_painter.setClipRect(m_plot);
        m_painter.setBrush(Qt::NoBrush);
        for (const ChartLine& line : lines) {
            QPen linePen = pen(QColor::fromRgb(line.rgb), line.widthMm, line.style);
            if (m_looks.hairlines) linePen.setWidthF(1.0);
            m_painter.setPen(linePen);
            m_painter.drawPath(m_toPlot.map(line.path));
        }
        m_painter.restore();
    }

    void marks(const std::vector<ChartMarkLine>& marks) {
        m_painter.setFont(m_looks.markFont);
        for (const ChartMarkLine& mark : marks) {
            const double at = x(mark.x);
            m_painter.setPen(pen(Qt::black, 0.2, Qt::DotLine));
            m_painter.drawLine(QPointF(at, m_plot.top()), QPointF(at, m_plot.bottom()));
            const QRectF box(at - mm(3), m_plot.top(), mm(6), mm(3.5));
            m_painter.fillRect(box, Qt::white);
            m_painter.setPen(pen(Qt::black, 0.15));
            m_painter.drawRect(box);
            m_painter.drawText(box, Qt::AlignCenter, mark.label);
        }
    }

    void frameLine() {
        m_painter.setPen(pen(Qt::black, 0.25));
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawRect(m_plot);
    }

    void legend(const ChartPicture& picture) {
        m_painter.setFont(m_looks.legendFont);
        double left = m_frame.left() + mm(kValueAxisMm);
        const double middle = m_frame.top() + mm(kLegendMm / 2);
        for (const ChartLine& line : picture.lines) {
            QPen linePen = pen(QColor::fromRgb(line.rgb), line.widthMm, line.style);
            if (m_looks.hairlines) linePen.setWidthF(1.0);
            m_painter.setPen(linePen);
            m_painter.drawLine(QPointF(left, middle), QPointF(left + mm(9), middle));
            m_painter.setPen(Qt::black);
            QRectF used;
            m_painter.drawText(QRectF(left + mm(10), middle - mm(2.5), mm(40), mm(5)),
                               Qt::AlignLeft | Qt::AlignVCenter, line.name, &used);
            left = used.right() + mm(5);
        }
        if (!picture.unit.isEmpty())
            m_painter.drawText(
                QRectF(m_frame.left(), m_frame.top(), mm(kValueAxisMm - 1), mm(kLegendMm)),
                Qt::AlignRight | Qt::AlignVCenter, picture.unit);
    }

    const QRectF& plot() const { return m_plot; }

  private:
    QPainter& m_painter;
    const ChartLooks& m_looks;
    QRectF m_frame;
    QRectF m_plot;
    QTransform m_toPlot;
};

}  // namespace

QRectF ChartPlotRect(const QRectF& frame, const ChartLooks& looks) {
    return frame.adjusted(kValueAxisMm * looks.mm, kLegendMm * looks.mm, -kRightMm * looks.mm,
                          -kTimeAxisMm * looks.mm);
}

void PaintChartPicture(QPainter& painter, const QRectF& frame, const ChartPicture& picture,
                       const ChartLooks& looks) {
    painter.save();
    ChartCanvas canvas(painter, frame, looks);
    painter.fillRect(canvas.plot(), Qt::white);
    canvas.gaps(picture.gaps);
    canvas.valueAxis(picture.valueTicks);
    canvas.timeAxis(picture.timeTicks);
    canvas.lines(picture.lines);
    canvas.marks(picture.marks);
    canvas.frameLine();
    canvas.legend(picture);
    painter.restore();
}

}  // namespace vt
