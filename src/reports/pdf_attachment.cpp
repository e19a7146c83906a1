#include "pdf_attachment.h"

#include <QFile>
#include <QRegularExpression>

#include "pdf_objects.h"

namespace vt {

namespace {

std::optional<PdfAttachment> Fail(QString* error, const QString& why) {
    if (error) *error = why;
    return std::nullopt;
}

// A PDF literal string's text, escapes undone (names the station writes are ASCII).
QString LiteralText(const QByteArray& literal) {
    QByteArray text;
    for (qsizetype i = 1; i + 1 < literal.size(); ++i) {
        if (literal[i] == '\\' && i + 2 < literal.size()) ++i;
        text += literal[i];
    }
    return QString::fromLatin1(text);
}

// The first file entry of an embedded-files name tree (leaf or first kid).
QByteArray FirstFileSpec(const PdfObjects& pdf, QByteArray tree) {
    for (int depth = 0; depth < 16 && !tree.isEmpty(); ++depth) {
        const QByteArray names = pdf.resolve(DictValue(tree, "/Names"));
        const qsizetype name = names.indexOf('(');
        const qsizetype ref = name < 0 ? -1 : ValueEnd(names, name);
        if (names.startsWith('[') && ref > 0) {
            static const QRegularExpression first(QStringLiteral("^\\s*(\\d+\\s+\\d+\\s+R)"));
            const QRegularExpressionMatch m = first.match(QString::fromLatin1(names.mid(ref + 1)));
            if (m.hasMatch()) return pdf.resolve(m.captured(1).toLatin1());
        }
        const QByteArray kids = pdf.resolve(DictValue(tree, "/Kids"));
        static const QRegularExpression kid(QStringLiteral("(\\d+\\s+\\d+\\s+R)"));
        const QRegularExpressionMatch m = kid.match(QString::fromLatin1(kids));
        if (!m.hasMatch()) return {};
        tree = pdf.resolve(m.captured(1).toLatin1());
    }
    return {};
}

}  // namespace

std::optional<PdfAttachment> ExtractAttachment(const QString& pdfPath, QString* error) {
    QFile file(pdfPath);
    if (!file.open(QIODevice::ReadOnly))
        return Fail(error, QStringLiteral("无法读取 %1：%2").arg(pdfPath, file.errorString()));
    const PdfObjects pdf(file.readAll());
    if (!pdf.valid()) return Fail(error, QStringLiteral("不是可读的 PDF 文件：%1").arg(pdfPath));
    const QByteArray catalog = pdf.resolve(DictValue(pdf.trailer(), "/Root"));
    const QByteArray names = pdf.resolve(DictValue(catalog, "/Names"));
    const QByteArray tree = pdf.resolve(DictValue(names, "/EmbeddedFiles"));
    const QByteArray spec = FirstFileSpec(pdf, tree);
    const std::optional<int> stream =
        Reference(DictValue(pdf.resolve(DictValue(spec, "/EF")), "/F"));
    if (!stream) return Fail(error, QStringLiteral("PDF 中没有附件：%1").arg(pdfPath));
    std::optional<QByteArray> data = pdf.stream(*stream);
    if (!data) return Fail(error, QStringLiteral("PDF 附件无法读取：%1").arg(pdfPath));
    QByteArray name = DictValue(spec, "/UF");
    if (name.isEmpty()) name = DictValue(spec, "/F");
    return PdfAttachment{LiteralText(name), std::move(*data)};
}

QString ReportChainHead(const QString& pdfPath) {
    QFile file(pdfPath);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const PdfObjects pdf(file.readAll());
    const QByteArray catalog = pdf.resolve(DictValue(pdf.trailer(), "/Root"));
    const std::optional<int> metadata = Reference(DictValue(catalog, "/Metadata"));
    if (!metadata) return {};
    const QByteArray xmp = pdf.stream(*metadata).value_or(QByteArray());
    static const QRegularExpression head(
        QStringLiteral("<vt:ChainHead>([0-9A-Fa-f]+)</vt:ChainHead>"));
    return head.match(QString::fromUtf8(xmp)).captured(1);
}

}  // namespace vt
