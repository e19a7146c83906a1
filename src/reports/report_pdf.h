#pragma once

#include <QByteArray>
#include <QPageLayout>
#include <QString>
#include <functional>

class QPagedPaintDevice;

namespace vt {

// What a report PDF carries besides its pages.
struct PdfDocument {
    QString title;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QString chainHead;       // into the XMP metadata when not empty
    QString attachmentName;  // ASCII; no attachment when empty
    QByteArray attachment;
};

// Writes a PDF to `path` through a QSaveFile: the file appears whole or not at all (an existing
// file is kept on failure). `paint` draws the pages and answers whether that worked.
bool SaveReportPdf(const QString& path, const PdfDocument& document,
                   const std::function<bool(QPagedPaintDevice&)>& paint, QString* error);

// The XMP packet of a report: title, creator and, when given, the chain head as vt:ChainHead.
QByteArray ReportXmp(const QString& title, const QString& chainHead);

}  // namespace vt
