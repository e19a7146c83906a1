#include "control_names.h"

#include <QLabel>

namespace vt {

void NameCaptionlessControl(QWidget* control, const QString& name) {
    control->setObjectName(name);
    control->setAccessibleDescription(name);
    if (!qobject_cast<QLabel*>(control)) control->setAccessibleName(name);
}

QString ArrayControlName(const char* control, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(control)).arg(index);
}

}  // namespace vt
