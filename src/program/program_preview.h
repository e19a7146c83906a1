#pragma once

#include <QWidget>
#include <array>

#include "program_picture.h"

class QFrame;
class QLabel;

namespace vt {

class ProgramSurface;

// The curve preview: the picture box `pt1` in a frame with its labels placed by their grid lines
// at any size: the values `Label6` on the left, bottom to top, with the caption `Label7_0`; the
// times `Label8` underneath with `Label7_1`; the maximum `Label5`, the step `Label11` and the
// minimum `Label10` on the right; the heading `Label4` above.
class ProgramPreview : public QWidget {
    Q_OBJECT
  public:
    explicit ProgramPreview(QWidget* parent = nullptr);

    void setPicture(ProgramPicture picture);
    ProgramSurface* surface() const { return m_surface; }

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    struct Metrics {
        int line;
        int valueWidth;
        int timeWidth;
        int rightWidth;
        QMargins margins;
    };
    Metrics metrics() const;
    void placeChildren();
    QLabel* makeLabel(const QString& name, const QString& text, Qt::Alignment alignment);

    QFrame* m_frame;
    ProgramSurface* m_surface;
    QLabel* m_heading;
    QLabel* m_valueCaption;
    QLabel* m_timeCaption;
    QLabel* m_maximum;
    QLabel* m_minimum;
    QLabel* m_valueStep;
    std::array<QLabel*, kPreviewValueLabels> m_valueLabels{};
    std::array<QLabel*, kPreviewTimeLabels> m_timeLabels{};
};

}  // namespace vt
