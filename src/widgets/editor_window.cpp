#include "editor_window.h"

#include <QKeyEvent>
#include <QPushButton>

#include "named_button.h"

namespace vt {

EditorWindow::EditorWindow(StationWindow which, StationContext& context, QWidget* parent)
    : GuardedWindow(parent), m_context(context), m_which(which) {
    static constexpr EditorDescriptor kUnnamed{
        StationWindow::Overview, "", "", "", "", "", "", false, nullptr};
    const EditorDescriptor* descriptor = FindEditor(context.editors, which);
    const EditorDescriptor& info = descriptor ? *descriptor : kUnnamed;
    setObjectName(QString::fromUtf8(info.objectName));
    setWindowTitle(QString::fromUtf8(info.title));
    m_escReturns = info.escReturns;
    m_returnButton = NamedButton(QString::fromUtf8(info.returnButtonName),
                                 QString::fromUtf8(info.returnCaption), this);
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
