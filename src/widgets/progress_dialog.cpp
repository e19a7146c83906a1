#include "progress_dialog.h"

#include <QProgressDialog>

namespace vt {

QProgressDialog* ProgressDialog(const QString& name, QWidget* window) {
    auto* dialog = new QProgressDialog(window);
    dialog->setObjectName(name);
    dialog->setCancelButtonText(QStringLiteral("取消"));
    dialog->setWindowModality(Qt::NonModal);
    dialog->setMinimumDuration(0);
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    return dialog;
}

}  // namespace vt
