#pragma once

#include <QWidget>

#include "program_picture.h"

class QPainter;

namespace vt {

// Paints a preview picture onto `target`, its logical units scaled to the rectangle. Pens are
// cosmetic: widths are pixels at any size.
void PaintProgramPicture(QPainter& painter, const QRect& target, const ProgramPicture& picture);

// The picture box `pt1`: shows the last preview picture at any widget size.
class ProgramSurface : public QWidget {
    Q_OBJECT
  public:
    explicit ProgramSurface(QWidget* parent = nullptr);

    void setPicture(ProgramPicture picture);
    const ProgramPicture& picture() const { return m_picture; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    ProgramPicture m_picture;
};

}  // namespace vt
