#include "guarded_window.h"

#include <QCloseEvent>

namespace vt {

GuardedWindow::GuardedWindow(QWidget* parent) : QWidget(parent) {}

void GuardedWindow::leave() {
    m_keepOpen = false;
    unload();
    close();
}

void GuardedWindow::closeEvent(QCloseEvent* event) {
    if (m_keepOpen) {
        // The window stays fully working: nothing is torn down before the refusal.
        event->ignore();
        emit closeRefused();
        return;
    }
    event->accept();
    unload();
}

}  // namespace vt
