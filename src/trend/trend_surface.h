#pragma once

#include <QWidget>

#include "trend_engine.h"
#include "trend_painter.h"
#include "trend_picture.h"

namespace vt {

// The drawing surface `pt`: shows the last picture and the ruler line at any widget size.
class TrendSurface : public QWidget {
    Q_OBJECT
  public:
    explicit TrendSurface(QWidget* parent = nullptr);

    void setPicture(TrendPicture picture);
    void setRulerLine(const RulerLine& line);
    const TrendPicture& picture() const { return m_picture; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    TrendPicture m_picture;
    RulerLine m_ruler;
    TrendPainter m_painter;
};

}  // namespace vt
