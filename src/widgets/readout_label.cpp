#include "readout_label.h"

#include "control_names.h"

namespace vt {

ReadoutLabel::ReadoutLabel(const QString& name, QWidget* parent) : QLabel(parent) {
    NameCaptionlessControl(this, name);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    reserveWidthFor(QStringLiteral("-0000.0"));
    setBackground(palette().color(QPalette::Base));
}

void ReadoutLabel::apply(const ReadoutLook& look) {
    if (look.unchanged) return;
    showText(look.text);
    if (look.background) setBackground(*look.background);
    if (isHidden() == look.visible) setVisible(look.visible);
}

void ReadoutLabel::showText(const QString& text) {
    if (text != this->text()) setText(text);
}

void ReadoutLabel::setBackground(const QColor& colour) {
    if (colour == m_background) return;
    m_background = colour;
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

void ReadoutLabel::reserveWidthFor(const QString& widest) {
    setMinimumWidth(fontMetrics().horizontalAdvance(widest) + 2 * frameWidth() + 6);
}

}  // namespace vt
