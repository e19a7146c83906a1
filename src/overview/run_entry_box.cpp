#include "run_entry_box.h"

namespace vt {

RunEntryBox::RunEntryBox(const QString& name, QWidget* parent) : QLineEdit(parent) {
    setObjectName(name);
    setAccessibleName(name);
    setBackground(Qt::white);
}

void RunEntryBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    setBackground(FocusedColour());
    emit focusGained();
}

void RunEntryBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    setBackground(Qt::white);
}

void RunEntryBox::setBackground(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::Base, colour);
    setPalette(p);
}

}  // namespace vt
