#include "pdf_tools.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdlib>

namespace vt::testing {

QByteArray RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
    return process.readAllStandardOutput();
}

QString PdfText(const QString& pdf) {
    return QString::fromUtf8(RunTool(QStringLiteral("pdftotext"),
                                     {QStringLiteral("-layout"), pdf, QStringLiteral("-")}));
}

bool HoldsText(const QString& text, const QString& part) {
    static const QRegularExpression space(QStringLiteral("\\s+"));
    return QString(text).remove(space).contains(QString(part).remove(space));
}

QImage RenderPage(const QString& pdf, int page, int dpi) {
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    RunTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi),
             QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
             QString::number(page), QStringLiteral("-singlefile"), pdf, prefix});
    return QImage(prefix + QStringLiteral(".png"));
}

bool HoldsColour(const QImage& image, const QRect& area, QRgb rgb, int count, int tolerance) {
    int found = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            const int distance = std::abs(qRed(p) - qRed(rgb)) + std::abs(qGreen(p) - qGreen(rgb)) +
                                 std::abs(qBlue(p) - qBlue(rgb));
            if (distance <= tolerance && ++found >= count) return true;
        }
    return false;
}

// An incremental update that replaces the attached stream: the newest definition is read, as
// every PDF reader does, so a changed attachment is what verification sees.
QByteArray WithReplacedAttachment(const QByteArray& pdf, const QByteArray& data) {
    const QRegularExpression ef(QStringLiteral("/EF\\s*<<\\s*/F\\s+(\\d+)\\s+0\\s+R"));
    const int stream = ef.match(QString::fromLatin1(pdf)).captured(1).toInt();
    const QString text = QString::fromLatin1(pdf);
    const QString root =
        QRegularExpression(QStringLiteral("/Root\\s+(\\d+\\s+0\\s+R)")).match(text).captured(1);
    const QString size = QRegularExpression(QStringLiteral("/Size\\s+(\\d+)"))
                             .match(text, text.lastIndexOf(QStringLiteral("trailer")))
                             .captured(1);
    const qsizetype prev =
        pdf.mid(pdf.lastIndexOf("startxref") + 9).trimmed().split('\n')[0].toLongLong();
    QByteArray out = pdf;
    const qsizetype at = out.size();
    out += QByteArray::number(stream) + " 0 obj\n<< /Length " + QByteArray::number(data.size()) +
           " >>\nstream\n" + data + "\nendstream\nendobj\n";
    const qsizetype xref = out.size();
    out += "xref\n" + QByteArray::number(stream) + " 1\n" +
           QByteArray::number(at).rightJustified(10, '0') + " 00000 n \ntrailer\n<< /Size " +
           size.toLatin1() + " /Root " + root.toLatin1() + " /Prev " + QByteArray::number(prev) +
           " >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return out;
}

}  // namespace vt::testing
