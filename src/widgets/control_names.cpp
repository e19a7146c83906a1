#include "control_names.h"

#include <QLabel>

namespace vt {

void NameCaptionlessControl(QWidget* control, const QString& name) {
    control->setObjectName(name);
    control->setAccessibleDescription(name);
    if (!qobject_cast<QLabel*>(control)) control->setAccessibleName(name);
}

}  // namespace vt
