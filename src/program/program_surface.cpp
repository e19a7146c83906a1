#include "program_surface.h"

#include <QPainter>
#include <utility>

#include "control_names.h"

namespace vt {

namespace {

constexpr QRgb kBackground = 0xFFFFFF;

QPen CosmeticPen(std::uint32_t rgb, int width, Qt::PenStyle style) {
    QPen pen(QColor::fromRgb(rgb), width, style, Qt::FlatCap, Qt::RoundJoin);
    pen.setCosmetic(true);
    return pen;
}

}  // namespace

void PaintProgramPicture(QPainter& painter, const QRect& target, const ProgramPicture& picture) {
    painter.save();
    painter.fillRect(target, QColor::fromRgb(kBackground));
    painter.setClipRect(target);
    painter.setViewport(target);
    painter.setWindow(0, 0, kPreviewWidth, kPreviewHeight);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(CosmeticPen(kPreviewGridRgb, 1, Qt::DotLine));
    painter.drawLines(picture.grid.data(), static_cast<int>(picture.grid.size()));
    painter.setPen(CosmeticPen(kPreviewBoundaryRgb, 1, Qt::DashLine));
    painter.drawLines(picture.boundaries.data(), static_cast<int>(picture.boundaries.size()));
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(CosmeticPen(kPreviewCurveRgb, kPreviewCurveWidth, Qt::SolidLine));
    painter.drawPolyline(picture.curve.data(), static_cast<int>(picture.curve.size()));
    painter.restore();
}

ProgramSurface::ProgramSurface(QWidget* parent) : QWidget(parent) {
    NameCaptionlessControl(this, QStringLiteral("pt1"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(150, 90);
}

void ProgramSurface::setPicture(ProgramPicture picture) {
    m_picture = std::move(picture);
    update();
}

void ProgramSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintProgramPicture(painter, rect(), m_picture);
}

}  // namespace vt
