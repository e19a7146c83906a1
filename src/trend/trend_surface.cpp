#include "trend_surface.h"

#include <QPainter>
#include <utility>

namespace vt {

TrendSurface::TrendSurface(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pt"));
    setAccessibleName(QStringLiteral("pt"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(120, 80);
}

void TrendSurface::setPicture(TrendPicture picture) {
    m_picture = std::move(picture);
    update();
}

void TrendSurface::setRulerLine(const RulerLine& line) {
    m_ruler = line;
    update();
}

void TrendSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    m_painter.paint(painter, rect(), m_picture, m_ruler);
}

}  // namespace vt
