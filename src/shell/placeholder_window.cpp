#include "placeholder_window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "window_names.h"

namespace vt {

PlaceholderWindow::PlaceholderWindow(StationWindow which, WindowNavigator& navigator,
                                     QWidget* parent)
    : GuardedWindow(parent), m_which(which), m_navigator(navigator) {
    const EditorWindowInfo info = EditorInfo(which);
    setObjectName(info.objectName);
    setWindowTitle(info.title);
    m_escReturns = info.escReturns;
    auto* note = new QLabel(QStringLiteral("此窗口将在后续版本中提供。"), this);
    note->setAlignment(Qt::AlignCenter);
    auto* back = new QPushButton(info.returnCaption, this);
    back->setObjectName(info.returnButtonName);
    connect(back, &QPushButton::clicked, this, &PlaceholderWindow::returnToOverview);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note, 1);
    layout->addWidget(back, 0, Qt::AlignRight);
    resize(640, 400);
    setKeepOpen(true);
}

void PlaceholderWindow::returnToOverview() {
    leave();
    m_navigator.returnFromEditor(m_which);
}

void PlaceholderWindow::keyPressEvent(QKeyEvent* event) {
    if (m_escReturns && event->key() == Qt::Key_Escape) {
        returnToOverview();
        return;
    }
    GuardedWindow::keyPressEvent(event);
}

}  // namespace vt
