#include "focus_loss_edit.h"

#include <QFocusEvent>
#include <QWidget>

namespace vt {

FocusLossEdit::FocusLossEdit(QWidget* input) : QObject(input) { input->installEventFilter(this); }

bool FocusLossEdit::eventFilter(QObject* /*watched*/, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::FocusIn && type != QEvent::FocusOut) return false;
    if (static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason) return false;
    if (type == QEvent::FocusIn) {
        m_edited = false;
    } else if (m_edited) {
        m_edited = false;
        emit leftAfterEdit();
    }
    return false;
}

}  // namespace vt
