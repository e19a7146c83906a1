// The batch report as a PDF, read back with the poppler tools an auditor would use.
#include "batch_report.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "pdf_attachment.h"
#include "pdf_tools.h"
#include "sample_batch_report.h"

namespace vt {
namespace {

using testing::HoldsColour;
using testing::HoldsText;
using testing::PdfText;
using testing::RenderPage;
using testing::RunTool;

QString Saved(const QTemporaryDir& dir, const BatchReportData& data, const QString& name) {
    const QString path = dir.filePath(name);
    QString error;
    EXPECT_TRUE(SaveBatchReportPdf(path, data, &error)) << error.toStdString();
    return path;
}

int PageCount(const QString& pdf) {
    const QString info = QString::fromUtf8(RunTool(QStringLiteral("pdfinfo"), {pdf}));
    return QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info).captured(1).toInt();
}

class BatchReportPdfTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        s_dir = new QTemporaryDir;
        s_data = new BatchReportData(samples::SampleBatchReport(2.0));
        s_pdf = Saved(*s_dir, *s_data, QStringLiteral("report.pdf"));
    }
    static void TearDownTestSuite() {
        delete s_data;
        delete s_dir;
    }
    static QTemporaryDir* s_dir;
    static BatchReportData* s_data;
    static QString s_pdf;
};
QTemporaryDir* BatchReportPdfTest::s_dir = nullptr;
BatchReportData* BatchReportPdfTest::s_data = nullptr;
QString BatchReportPdfTest::s_pdf;

TEST_F(BatchReportPdfTest, TextHoldsHeaderVerdictChainHeadAndPageCount) {
    const QString text = PdfText(s_pdf);
    for (const QString& field :
         {s_data->station, s_data->number, s_data->order, s_data->part, s_data->material,
          s_data->quantity, s_data->operatorName, QStringLiteral("2026-12-01 08:00:00"),
          QStringLiteral("2026-12-01 10:00:00"), QStringLiteral("2:00:00"), QStringLiteral("PASS"),
          s_data->integrity.chainHead, QStringLiteral("记录完整")})
        EXPECT_TRUE(HoldsText(text, field)) << field.toStdString();
    const int pages = PageCount(s_pdf);
    ASSERT_GE(pages, 2);
    for (int page = 1; page <= pages; ++page)
        EXPECT_TRUE(HoldsText(text, QStringLiteral("第 %1 页 共 %2 页").arg(page).arg(pages)))
            << page;
}

TEST_F(BatchReportPdfTest, ChainExportIsAttachedAndTheHeadIsInTheMetadata) {
    const QString list =
        QString::fromUtf8(RunTool(QStringLiteral("pdfdetach"), {QStringLiteral("-list"), s_pdf}));
    const QString name = ChainAttachmentName(s_data->number);
    EXPECT_TRUE(list.contains(name)) << list.toStdString();

    const QString saved = s_dir->filePath(QStringLiteral("detached.txt"));
    RunTool(QStringLiteral("pdfdetach"),
            {QStringLiteral("-save"), QStringLiteral("1"), QStringLiteral("-o"), saved, s_pdf});
    QFile detached(saved);
    ASSERT_TRUE(detached.open(QIODevice::ReadOnly));
    EXPECT_EQ(detached.readAll(), s_data->chainExport);

    QString error;
    const std::optional<PdfAttachment> ours = ExtractAttachment(s_pdf, &error);
    ASSERT_TRUE(ours) << error.toStdString();
    EXPECT_EQ(ours->fileName, name);
    EXPECT_EQ(ours->data, s_data->chainExport);
    EXPECT_EQ(ReportChainHead(s_pdf), s_data->integrity.chainHead);
    const QString meta =
        QString::fromUtf8(RunTool(QStringLiteral("pdfinfo"), {QStringLiteral("-meta"), s_pdf}));
    EXPECT_TRUE(meta.contains(s_data->integrity.chainHead));
}

TEST_F(BatchReportPdfTest, EveryFontIsEmbeddedAChineseOneAmongThem) {
    const QStringList fonts = QString::fromUtf8(RunTool(QStringLiteral("pdffonts"), {s_pdf}))
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                                  .mid(2);
    ASSERT_FALSE(fonts.isEmpty());
    EXPECT_FALSE(
        fonts.filter(QRegularExpression(QStringLiteral("DroidSansFallback|CJK"))).isEmpty());
    for (const QString& font : fonts)
        EXPECT_TRUE(font.contains(QRegularExpression(QStringLiteral("Identity-H\\s+yes\\s"))))
            << font.toStdString();
}

TEST_F(BatchReportPdfTest, FirstPageChartHoldsThePensColours) {
    const QImage page = RenderPage(s_pdf, 1, 100);
    ASSERT_FALSE(page.isNull());
    EXPECT_EQ(page.width(), 827);  // A4 portrait at 100 dpi
    // The chart takes the middle of the page, below the header and verdict.
    const QRect chart(0, page.height() / 4, page.width(), page.height() * 2 / 5);
    for (const ReportPen& pen : s_data->chart.pens)
        EXPECT_TRUE(HoldsColour(page, chart, pen.rgb)) << pen.name.toStdString();
    EXPECT_FALSE(HoldsColour(page, QRect(0, 0, page.width(), page.height() / 6), 0xE00000))
        << "no pen colour above the chart";
}

TEST_F(BatchReportPdfTest, ChangedAttachmentInAnIncrementalUpdateIsWhatIsRead) {
    QFile original(s_pdf);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray changed = "R,0,999.9,0,0,forged\n";
    const QString path = s_dir->filePath(QStringLiteral("changed.pdf"));
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(vt::testing::WithReplacedAttachment(original.readAll(), changed));
    out.close();
    const std::optional<PdfAttachment> ours = ExtractAttachment(path);
    ASSERT_TRUE(ours);
    EXPECT_EQ(ours->data, changed);
    const QString saved = s_dir->filePath(QStringLiteral("changed.txt"));
    RunTool(QStringLiteral("pdfdetach"),
            {QStringLiteral("-save"), QStringLiteral("1"), QStringLiteral("-o"), saved, path});
    QFile detached(saved);
    ASSERT_TRUE(detached.open(QIODevice::ReadOnly));
    EXPECT_EQ(detached.readAll(), changed);
}

struct VerdictCase {
    VerdictKind kind;
    bool intact;
    const char* shown;
    const char* notShown;
};

class BatchReportVerdictTest : public ::testing::TestWithParam<VerdictCase> {};

TEST_P(BatchReportVerdictTest, VerdictAndIntegrityAreSaid) {
    const VerdictCase c = GetParam();
    BatchReportData data = samples::SampleBatchReport(0.5, 200);
    data.verdict = {c.kind, {QStringLiteral("保温段 2 带内时间不足")}};
    data.integrity.intact = c.intact;
    data.integrity.firstMismatch = QStringLiteral("记录 1234（2026-12-01 08:20:34）");
    if (c.kind == VerdictKind::None) data.segments.clear();
    QTemporaryDir dir;
    const QString text = PdfText(Saved(dir, data, QStringLiteral("v.pdf")));
    EXPECT_TRUE(HoldsText(text, QString::fromUtf8(c.shown))) << c.shown;
    EXPECT_FALSE(HoldsText(text, QString::fromUtf8(c.notShown))) << c.notShown;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BatchReportVerdictTest,
    ::testing::Values(VerdictCase{VerdictKind::Pass, true, "PASS", "FAIL"},
                      VerdictCase{VerdictKind::Fail, true, "FAIL", "PASS"},
                      VerdictCase{VerdictKind::None, true, "无判定", "PASS"},
                      VerdictCase{VerdictKind::Pass, false, "记录已被改动：记录 1234", "记录完整"},
                      VerdictCase{VerdictKind::Fail, true, "带内时间不足", "记录已被改动"}));

struct SignatureCase {
    std::vector<ReportSignature> signatures;
    std::vector<const char*> shown;
    std::vector<const char*> notShown;
};

class BatchReportSignatureTest : public ::testing::TestWithParam<SignatureCase> {};

TEST_P(BatchReportSignatureTest, SignedMeaningsShowTheSignatureUnsignedOnesABlankLine) {
    BatchReportData data = samples::SampleBatchReport(0.5, 200);
    data.signatures = GetParam().signatures;
    QTemporaryDir dir;
    const QString text = PdfText(Saved(dir, data, QStringLiteral("s.pdf")));
    for (const char* s : GetParam().shown) EXPECT_TRUE(HoldsText(text, QString::fromUtf8(s))) << s;
    for (const char* s : GetParam().notShown)
        EXPECT_FALSE(HoldsText(text, QString::fromUtf8(s))) << s;
}

const QDateTime kSigned(QDate(2026, 12, 2), QTime(9, 30, 15));

INSTANTIATE_TEST_SUITE_P(
    Cases, BatchReportSignatureTest,
    ::testing::Values(
        SignatureCase{{}, {"审核：", "批准：", "日期："}, {"李娜"}},
        SignatureCase{
            {{QStringLiteral("李娜"), QStringLiteral("审核"), {}, QStringLiteral("lina"), kSigned}},
            {"李娜", "2026-12-02 09:30:15", "lina", "批准："},
            {"审核："}},
        SignatureCase{
            {{QStringLiteral("李娜"), QStringLiteral("审核"), {}, QStringLiteral("lina"), kSigned},
             {QStringLiteral("王强"), QStringLiteral("批准"), QStringLiteral("同意放行"),
              QStringLiteral("wq"), kSigned}},
            {"李娜", "王强", "同意放行"},
            {"审核：", "批准：", "日期："}}));

TEST(BatchReportSaveTest, FailedSaveLeavesNoFile) {
    QTemporaryDir dir;
    const BatchReportData data = samples::SampleBatchReport(0.2, 100);
    const QString missingFolder = dir.filePath(QStringLiteral("missing/report.pdf"));
    QString error;
    EXPECT_FALSE(SaveBatchReportPdf(missingFolder, data, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(missingFolder));
    // A folder in the way is not replaced.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken.pdf")));
    EXPECT_FALSE(SaveBatchReportPdf(dir.filePath(QStringLiteral("taken.pdf")), data, &error));
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("taken.pdf"))).isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());
}

TEST(BatchReportSaveTest, FileNamesHoldOnlySafeCharacters) {
    EXPECT_EQ(BatchReportFileName(QStringLiteral("B/12:3")), QStringLiteral("批次报告_B_12_3.pdf"));
    EXPECT_EQ(ChainAttachmentName(QStringLiteral("批次(7) 1")),
              QStringLiteral("batch-___7__1-chain.txt"));
}

TEST(PdfAttachmentTest, FilesWithoutAnAttachmentSaySo) {
    QTemporaryDir dir;
    const QString text = dir.filePath(QStringLiteral("not.pdf"));
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("%PDF-1.4\nnot really\n");
    file.close();
    QString error;
    EXPECT_FALSE(ExtractAttachment(text, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(ExtractAttachment(dir.filePath(QStringLiteral("absent.pdf")), &error));

    BatchReportData data = samples::SampleBatchReport(0.2, 100);
    data.chainExport.clear();
    data.number.clear();
    const QString empty = Saved(dir, data, QStringLiteral("empty.pdf"));
    const std::optional<PdfAttachment> attachment = ExtractAttachment(empty, &error);
    ASSERT_TRUE(attachment) << error.toStdString();
    EXPECT_TRUE(attachment->data.isEmpty());
}

}  // namespace
}  // namespace vt
