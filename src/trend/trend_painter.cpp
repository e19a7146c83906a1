#include "trend_painter.h"

#include <QPainter>

namespace vt {

namespace {

QPen CosmeticPen(std::uint32_t rgb, int width, Qt::PenStyle style) {
    QPen pen(QColor::fromRgb(rgb), width, style, Qt::FlatCap, Qt::MiterJoin);
    pen.setCosmetic(true);
    return pen;
}

}  // namespace

TrendPainter::TrendPainter()
    : m_gridPen(CosmeticPen(kGridRgb, 1, Qt::DotLine)),
      m_gapPen(CosmeticPen(kGapMarkRgb, 1, Qt::DashLine)) {}

void TrendPainter::paint(QPainter& painter, const QRect& target, const TrendPicture& picture,
                         const RulerLine& ruler) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(target, QColor::fromRgb(kBackgroundRgb));
    painter.setClipRect(target);
    painter.setViewport(target);
    painter.setWindow(0, 0, kSurfaceWidth, kSurfaceHeight);

    painter.setPen(m_gridPen);
    painter.drawLines(picture.grid.data(), static_cast<int>(picture.grid.size()));
    painter.setPen(m_gapPen);
    painter.drawLines(picture.gapMarks.data(), static_cast<int>(picture.gapMarks.size()));
    for (const TrendPolyline& line : picture.pens) {
        if (line.points.size() < 2) continue;
        painter.setPen(CosmeticPen(line.rgb, line.width, Qt::SolidLine));
        painter.drawPolyline(line.points.data(), static_cast<int>(line.points.size()));
    }
    if (ruler.visible) {
        painter.setPen(CosmeticPen(ruler.rgb, ruler.width, Qt::SolidLine));
        painter.drawLine(ruler.x, ruler.top, ruler.x, ruler.bottom);
    }
    painter.restore();
}

}  // namespace vt
