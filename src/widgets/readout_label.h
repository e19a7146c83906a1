#pragma once

#include <QColor>
#include <QLabel>

#include "readout_look.h"

namespace vt {

// A read-only value box of a station window. It carries its control name as object and accessible
// name, and touches its text, colour and visibility only when they change, so a refresh that
// finds nothing new repaints nothing.
class ReadoutLabel : public QLabel {
    Q_OBJECT
  public:
    explicit ReadoutLabel(const QString& name, QWidget* parent = nullptr);

    void apply(const ReadoutLook& look);
    void showText(const QString& text);
    void setBackground(const QColor& colour);
    // Keeps room for the widest text the readout shows, so changing texts move nothing.
    void reserveWidthFor(const QString& widest);
    QColor background() const { return m_background; }

  private:
    QColor m_background;
};

}  // namespace vt
