#include "editor_window.h"

#include <QKeyEvent>
#include <QPushButton>

#include "named_button.h"
#include "window_names.h"

namespace vt {

EditorWindow::EditorWindow(StationWindow which, StationContext& context, QWidget* parent)
    : GuardedWindow(parent), m_context(context), m_which(which) {
    const EditorWindowInfo info = EditorInfo(which);
    setObjectName(info.objectName);
    setWindowTitle(info.title);
    m_escReturns = info.escReturns;
    m_returnButton = NamedButton(info.returnButtonName, info.returnCaption, this);
    connect(m_returnButton, &QPushButton::clicked, this, &EditorWindow::returnToOverview);
    setKeepOpen(true);
}

void EditorWindow::returnToOverview() {
    leave();
    m_context.navigator.returnFromEditor(m_which);
}

void EditorWindow::keyPressEvent(QKeyEvent* event) {
    if (m_escReturns && event->key() == Qt::Key_Escape) {
        returnToOverview();
        return;
    }
    GuardedWindow::keyPressEvent(event);
}

}  // namespace vt
