#include "image_progress.h"

#include <QProgressDialog>
#include <algorithm>

#include "progress_dialog.h"

namespace vt {

ImageProgress::ImageProgress(QWidget* window)
    : QObject(window), m_dialog(ProgressDialog(QStringLiteral("ImageProgress"), window)) {
    m_dialog->hide();
    connect(m_dialog, &QProgressDialog::canceled, this, &ImageProgress::canceled);
}

ImageProgress::~ImageProgress() { delete m_dialog; }

void ImageProgress::begin(const QString& title, const QString& text) {
    m_dialog->setWindowTitle(title);
    m_dialog->setLabelText(text);
    m_dialog->setRange(0, 1);
    m_dialog->setValue(0);
    m_dialog->show();
}

void ImageProgress::show(int done, int total) {
    m_dialog->setRange(0, std::max(total, 1));
    m_dialog->setValue(done);
}

void ImageProgress::end() { m_dialog->hide(); }

}  // namespace vt
