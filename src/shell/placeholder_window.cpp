#include "placeholder_window.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vt {

PlaceholderWindow::PlaceholderWindow(StationWindow which, StationContext& context,
                                     QWidget* parent)
    : EditorWindow(which, context, parent) {
    auto* note = new QLabel(QStringLiteral("此窗口将在后续版本中提供。"), this);
    note->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note, 1);
    layout->addWidget(returnButton(), 0, Qt::AlignRight);
    resize(640, 400);
}

}  // namespace vt
