#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace vt {

// A file to carry inside a PDF.
struct PdfEmbeddedFile {
    QString name;  // ASCII
    QString mimeType;
    QByteArray data;
};

// The incremental update that attaches `file` to the finished PDF `pdf` (classic cross-reference
// table, no attachment of its own): the file's stream (ZlibStream), its /Filespec entry and a
// new revision of the catalog naming it in /Names /EmbeddedFiles and /AF, then a cross-reference
// section whose trailer points back with /Prev. `pdf` followed by the answer is the whole file.
// nullopt when `pdf` is not such a PDF.
std::optional<QByteArray> AttachmentUpdate(const QByteArray& pdf, const PdfEmbeddedFile& file);

}  // namespace vt
