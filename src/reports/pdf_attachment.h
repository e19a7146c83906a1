#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace vt {

struct PdfAttachment {
    QString fileName;
    QByteArray data;
};

// The first file attached to a PDF (the document's embedded files), e.g. a batch report's chain
// export for `vtrecords verify FILE.pdf`. nullopt, with `error` saying why, when the file cannot
// be read, is no PDF this reader understands, or carries no attachment.
std::optional<PdfAttachment> ExtractAttachment(const QString& pdfPath, QString* error = nullptr);

// The chain head a report carries in its metadata (vt:ChainHead); empty when there is none.
QString ReportChainHead(const QString& pdfPath);

}  // namespace vt
