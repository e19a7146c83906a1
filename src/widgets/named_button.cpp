#include "named_button.h"

#include <QPushButton>

namespace vt {

QPushButton* NamedButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

}  // namespace vt
