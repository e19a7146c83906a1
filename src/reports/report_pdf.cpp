#include "report_pdf.h"

#include <QBuffer>
#include <QDateTime>
#include <QPdfWriter>
#include <QSaveFile>

#include "pdf_append.h"

namespace vt {

namespace {

constexpr int kPdfResolution = 1200;

QString Escaped(QString text) { return text.toHtmlEscaped(); }

void Fail(QString* error, const QString& why) {
    if (error) *error = why;
}

}  // namespace

QByteArray ReportXmp(const QString& title, const QString& chainHead) {
    const QString created = QDateTime::currentDateTime().toString(Qt::ISODate);
    const QString head = chainHead.isEmpty() ? QString()
                                             : QStringLiteral(
                                                   "   <vt:ChainHead>%1</vt:ChainHead>\n"
                                                   "   <dc:description><rdf:Alt><rdf:li "
                                                   "xml:lang=\"x-default\">链头 SHA-256 %1</rdf:li>"
                                                   "</rdf:Alt></dc:description>\n")
                                                   .arg(Escaped(chainHead));
    return QStringLiteral(
               "<?xpacket begin=\"\uFEFF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
               "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
               " <rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
               "  <rdf:Description rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\"\n"
               "    xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\"\n"
               "    xmlns:vt=\"urn:vt5800:report:1\">\n"
               "   <dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">%1</rdf:li></rdf:Alt>"
               "</dc:title>\n"
               "   <xmp:CreatorTool>VT5800 操作站</xmp:CreatorTool>\n"
               "   <xmp:CreateDate>%2</xmp:CreateDate>\n"
               "%3"
               "  </rdf:Description>\n"
               " </rdf:RDF>\n"
               "</x:xmpmeta>\n"
               "<?xpacket end=\"w\"?>")
        .arg(Escaped(title), created, head)
        .toUtf8();
}

// The pages as Qt's writer makes them, without the attachment.
bool PaintPdf(QIODevice& out, const PdfDocument& document,
              const std::function<bool(QPagedPaintDevice&)>& paint) {
    QPdfWriter writer(&out);
    writer.setResolution(kPdfResolution);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), document.orientation, QMarginsF(0, 0, 0, 0)));
    writer.setTitle(document.title);
    writer.setCreator(QStringLiteral("VT5800 操作站"));
    writer.setDocumentXmpMetadata(ReportXmp(document.title, document.chainHead));
    return paint(writer);
}

bool SaveReportPdf(const QString& path, const PdfDocument& document,
                   const std::function<bool(QPagedPaintDevice&)>& paint, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        Fail(error, QStringLiteral("无法写入 %1：%2").arg(path, file.errorString()));
        return false;
    }
    QBuffer pages;
    pages.open(QIODevice::WriteOnly);
    // Qt's own attachment is deflated at zlib's default level, seconds for a long batch's
    // chain: the file goes in as an update of the finished pages instead.
    const bool painted = PaintPdf(pages, document, paint);
    std::optional<QByteArray> update = QByteArray();
    if (painted && !document.attachmentName.isEmpty())
        update = AttachmentUpdate(
            pages.data(),
            {document.attachmentName, QStringLiteral("text/plain"), document.attachment});
    if (!painted || !update) {
        file.cancelWriting();
        Fail(error, QStringLiteral("无法生成 PDF：%1").arg(path));
        return false;
    }
    file.write(pages.data());
    file.write(*update);
    if (!file.commit()) {
        Fail(error, QStringLiteral("无法写入 %1：%2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

}  // namespace vt
