#pragma once

#include <QPen>
#include <QRect>

#include "trend_engine.h"
#include "trend_picture.h"

class QPainter;

namespace vt {

// Paints a trend picture and the ruler line, mapping the logical surface onto a pixel rectangle.
// Pens are cosmetic: widths are pixels at any size. No antialiasing.
class TrendPainter {
  public:
    TrendPainter();
    void paint(QPainter& painter, const QRect& target, const TrendPicture& picture,
               const RulerLine& ruler) const;

  private:
    QPen m_gridPen;
    QPen m_gapPen;
};

}  // namespace vt
