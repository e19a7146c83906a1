#include "report_output.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStandardPaths>

namespace vt {

void OpenPrintPreview(QWidget& window, QPrinter& printer, const QString& name,
                      std::function<bool(QPagedPaintDevice&)> paint) {
    auto* dialog = new QPrintPreviewDialog(&printer, &window);
    dialog->setObjectName(name);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    QObject::connect(dialog, &QPrintPreviewDialog::paintRequested, dialog,
                     [paint = std::move(paint)](QPrinter* p) { paint(*p); });
    dialog->open();
}

void AskPdfPath(QWidget& window, const QString& name, const QString& fileName,
                std::function<void(const QString&)> chosen) {
    auto* dialog = new QFileDialog(&window, QStringLiteral("保存PDF"));
    dialog->setObjectName(name);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setNameFilter(QStringLiteral("PDF (*.pdf)"));
    dialog->setDefaultSuffix(QStringLiteral("pdf"));
    dialog->setDirectory(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    dialog->selectFile(fileName);
    QObject::connect(dialog, &QFileDialog::fileSelected, dialog, std::move(chosen));
    dialog->open();
}

void ShowSaveFailure(QWidget& window, const QString& error) {
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("保存PDF"), error,
                                QMessageBox::Ok, &window);
    box->setObjectName(QStringLiteral("ReportSaveFailed"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

}  // namespace vt
