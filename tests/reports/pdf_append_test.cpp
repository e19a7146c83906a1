// Files attached to a finished PDF as an update: read back by our reader and by pdfdetach.
#include "pdf_append.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTemporaryDir>

#include "pdf_attachment.h"
#include "pdf_tools.h"
#include "report_pdf.h"
#include "zlib_stream.h"

namespace vt {
namespace {

using testing::RunTool;

bool OnePage(QPagedPaintDevice& device) {
    QPainter painter(&device);
    painter.drawText(QPointF(1000, 1000), QStringLiteral("页"));
    return true;
}

QByteArray PagesOnly(const QTemporaryDir& dir) {
    const QString path = dir.filePath(QStringLiteral("pages.pdf"));
    EXPECT_TRUE(SaveReportPdf(path, {QStringLiteral("页"), {}, {}, {}, {}}, OnePage, nullptr));
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Detached(const QTemporaryDir& dir, const QString& pdf) {
    const QString saved = dir.filePath(QStringLiteral("detached"));
    QFile::remove(saved);
    RunTool(QStringLiteral("pdfdetach"),
            {QStringLiteral("-save"), QStringLiteral("1"), QStringLiteral("-o"), saved, pdf});
    QFile file(saved);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(not detached)");
}

struct AttachCase {
    const char* name;
    QByteArray data;
};

class AttachmentUpdateTest : public ::testing::TestWithParam<AttachCase> {};

TEST_P(AttachmentUpdateTest, EveryReaderFindsTheFileWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("attached.pdf"));
    const PdfDocument document{
        QStringLiteral("附件"), {}, {}, QLatin1String(GetParam().name), GetParam().data};
    QString error;
    ASSERT_TRUE(SaveReportPdf(path, document, OnePage, &error)) << error.toStdString();

    const std::optional<PdfAttachment> ours = ExtractAttachment(path, &error);
    ASSERT_TRUE(ours) << error.toStdString();
    EXPECT_EQ(ours->fileName, QLatin1String(GetParam().name));
    EXPECT_EQ(ours->data, GetParam().data);
    EXPECT_EQ(Detached(dir, path), GetParam().data);
    EXPECT_TRUE(RunTool(QStringLiteral("pdfdetach"), {QStringLiteral("-list"), path})
                    .contains(GetParam().name));
    // qpdf takes no offset on trust: a cross-reference entry off by a byte is an error there.
    EXPECT_TRUE(RunTool(QStringLiteral("qpdf"), {QStringLiteral("--check"), path})
                    .contains("No syntax or stream encoding errors"));
}

QByteArray Binary(int size) {
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i) bytes[i] = char((unsigned(i) * 7919u) >> 3 ^ unsigned(i) % 251u);
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Files, AttachmentUpdateTest,
    ::testing::Values(
        AttachCase{"batch-7-chain.txt", QByteArray("VTCHAIN 7\nR,1,2\n").repeated(500)},
        AttachCase{"a(1)\\b).txt", "escaped name"}, AttachCase{"empty.txt", QByteArray()},
        AttachCase{"binary.bin", Binary(70000)}, AttachCase{"sliced.bin", Binary(3 << 20)}));

class ZlibStreamTest : public ::testing::TestWithParam<int> {};

// Above a MiB the stream is deflated in slices on several cores (when there are several).
TEST_P(ZlibStreamTest, InflatesToTheSameBytes) {
    const QByteArray data = Binary(GetParam());
    QByteArray framed(4, '\0');
    for (int b = 0; b < 4; ++b) framed[b] = char((quint32(data.size()) >> (24 - 8 * b)) & 0xff);
    EXPECT_EQ(qUncompress(framed + ZlibStream(data)), data);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ZlibStreamTest,
                         ::testing::Values(1, 1000, (1 << 20) * 2 - 1, (1 << 20) * 5 + 7));

TEST(AttachmentUpdateRefusalTest, NoPdfOrOneThatNamesFilesAlreadyGetsNoUpdate) {
    QTemporaryDir dir;
    const QByteArray pages = PagesOnly(dir);
    const PdfEmbeddedFile file{QStringLiteral("x.txt"), QStringLiteral("text/plain"), "x"};
    const std::optional<QByteArray> once = AttachmentUpdate(pages, file);
    ASSERT_TRUE(once);
    EXPECT_FALSE(AttachmentUpdate(pages + *once, file)) << "a second /Names would hide the first";
    EXPECT_FALSE(AttachmentUpdate(QByteArray("not a pdf"), file));
    EXPECT_FALSE(AttachmentUpdate(pages.left(pages.size() / 2), file));
}

}  // namespace
}  // namespace vt
