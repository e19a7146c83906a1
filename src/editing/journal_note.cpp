#include "journal_note.h"

#include <QWidget>

namespace vt {

QString JournalWindowName(const QWidget* widget) {
    if (!widget) return {};
    const QWidget* window = widget->window();
    const QString title = window->windowTitle().simplified();
    if (title.isEmpty()) return window->objectName();
    return QStringLiteral("%1 %2").arg(window->objectName(), title);
}

JournalNote NoteFrom(const QWidget* widget, const QString& caption, const QString& before,
                     const QString& entered) {
    return JournalNote{JournalWindowName(widget), caption, before, entered};
}

}  // namespace vt
