#include "entry_box.h"

#include "control_names.h"

namespace vt {

EntryBox::EntryBox(const QString& name, const QColor& focusedColour, QWidget* parent)
    : QLineEdit(parent), m_focusedColour(focusedColour) {
    NameCaptionlessControl(this, name);
    setBackground(Qt::white);
}

void EntryBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    setBackground(m_focusedColour);
    emit focusGained();
}

void EntryBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    setBackground(Qt::white);
    emit focusLost();
}

void EntryBox::setBackground(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::Base, colour);
    setPalette(p);
}

}  // namespace vt
