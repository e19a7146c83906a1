#include "pdf_append.h"

#include <QDateTime>

#include "pdf_objects.h"
#include "zlib_stream.h"

namespace vt {

namespace {

// A PDF literal string: brackets and backslashes escaped.
QByteArray Literal(const QString& text) {
    QByteArray out = "(";
    for (const char c : text.toLatin1()) {
        if (c == '(' || c == ')' || c == '\\') out += '\\';
        out += c;
    }
    return out + ')';
}

// A PDF name: bytes outside the regular printable ones written as #xx.
QByteArray Name(const QString& text) {
    QByteArray out = "/";
    for (const char c : text.toLatin1()) {
        const bool regular = c > ' ' && c < '\x7f' && !QByteArray("#/()<>[]{}%").contains(c);
        out += regular ? QByteArray(1, c)
                       : "#" + QByteArray::number(uchar(c), 16).rightJustified(2, '0');
    }
    return out;
}

QByteArray Ref(int number) { return QByteArray::number(number) + " 0 R"; }

QByteArray XrefEntry(qsizetype offset) {
    return QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
}

// Appends object `number` holding `body` and answers its offset.
qsizetype AddObject(QByteArray& out, qsizetype base, int number, const QByteArray& body) {
    const qsizetype offset = base + out.size();
    out += QByteArray::number(number) + " 0 obj\n" + body + "\nendobj\n";
    return offset;
}

// An empty file is stored as it is: zlib's stream of nothing is not nothing.
QByteArray StreamObject(const PdfEmbeddedFile& file) {
    const bool deflate = !file.data.isEmpty();
    const QByteArray packed = deflate ? ZlibStream(file.data) : QByteArray();
    const QByteArray modified =
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1();
    return "<< /Type /EmbeddedFile /Subtype " + Name(file.mimeType) +
           (deflate ? " /Filter /FlateDecode" : "") + " /Length " +
           QByteArray::number(packed.size()) + " /Params << /Size " +
           QByteArray::number(file.data.size()) + " /ModDate (D:" + modified +
           "Z) >> >>\nstream\n" + packed + "\nendstream";
}

QByteArray FileSpec(const PdfEmbeddedFile& file, int stream) {
    const QByteArray name = Literal(file.name);
    return "<< /Type /Filespec /F " + name + " /UF " + name + " /EF << /F " + Ref(stream) +
           " /UF " + Ref(stream) + " >> /AFRelationship /Data >>";
}

// The catalog `catalog` naming `spec` as its embedded file; empty when it names files already.
QByteArray CatalogWith(const QByteArray& catalog, const QString& name, int spec) {
    const qsizetype end = catalog.lastIndexOf(">>");
    if (!catalog.startsWith("<<") || end < 0 || !DictValue(catalog, "/Names").isEmpty() ||
        !DictValue(catalog, "/AF").isEmpty())
        return {};
    return catalog.left(end) + "/Names << /EmbeddedFiles << /Names [" + Literal(name) + ' ' +
           Ref(spec) + "] >> >>\n/AF [" + Ref(spec) + "]\n>>";
}

}  // namespace

std::optional<QByteArray> AttachmentUpdate(const QByteArray& pdf, const PdfEmbeddedFile& file) {
    const PdfObjects objects(pdf);
    const QByteArray trailer = objects.trailer();
    const std::optional<int> root = Reference(DictValue(trailer, "/Root"));
    bool sized = false;
    const int stream = DictValue(trailer, "/Size").toInt(&sized);
    if (!objects.valid() || !root || !sized || stream <= *root) return std::nullopt;
    const QByteArray catalog = CatalogWith(objects.object(*root), file.name, stream + 1);
    if (catalog.isEmpty()) return std::nullopt;

    const qsizetype base = pdf.size();
    QByteArray out = pdf.endsWith('\n') ? QByteArray() : QByteArray("\n");
    const qsizetype streamAt = AddObject(out, base, stream, StreamObject(file));
    const qsizetype specAt = AddObject(out, base, stream + 1, FileSpec(file, stream));
    const qsizetype catalogAt = AddObject(out, base, *root, catalog);
    const qsizetype xref = base + out.size();
    out += "xref\n" + QByteArray::number(*root) + " 1\n" + XrefEntry(catalogAt) +
           QByteArray::number(stream) + " 2\n" + XrefEntry(streamAt) + XrefEntry(specAt);
    out += "trailer\n<< /Size " + QByteArray::number(stream + 2) + " /Root " + Ref(*root);
    for (const char* key : {"/Info", "/ID"}) {
        const QByteArray value = DictValue(trailer, key);
        if (!value.isEmpty()) out += ' ' + QByteArray(key) + ' ' + value;
    }
    out += " /Prev " + QByteArray::number(objects.xrefOffset()) + " >>\nstartxref\n" +
           QByteArray::number(xref) + "\n%%EOF\n";
    return out;
}

}  // namespace vt
