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
    // A new progress dialog shows itself on its own timer after a few seconds even when no
    // work has started; reset() stops that timer, so it shows only when its user shows it.
    dialog->reset();
    return dialog;
}

}  // namespace vt
