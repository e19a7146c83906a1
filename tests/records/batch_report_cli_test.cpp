#include <gtest/gtest.h>

#include <QFile>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <functional>

#include "batch_chain.h"
#include "batch_page.h"
#include "batch_report.h"
#include "dialog_waits.h"
#include "pdf_attachment.h"
#include "pdf_tools.h"
#include "records_cli.h"
#include "records_fixture.h"

using namespace vt;
using vt::testing::HoldsText;
using vt::testing::PdfText;

namespace {

// A closed batch of a real records file and vtrecords' commands on it.
class BatchReportCliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::int64_t id = m_records.closedBatch(20);
        m_batch = *m_records.recorder().store()->batch(id);
    }

    int run(QStringList arguments) {
        arguments.prepend(QStringLiteral("vtrecords"));
        arguments << QStringLiteral("--records") << m_records.path();
        QString printed;
        QTextStream out(&printed);
        QTextStream err(&printed);
        const int code = RunRecordsCli(arguments, out, err);
        m_printed = printed;
        return code;
    }

    QString report() {
        const QString pdf = m_dir.filePath(QStringLiteral("report.pdf"));
        EXPECT_EQ(run({QStringLiteral("report"), m_batch.number(), QStringLiteral("-o"), pdf}), 0)
            << m_printed.toStdString();
        return pdf;
    }

    vt::testing::RecordsFixture m_records;
    BatchSummary m_batch;
    QTemporaryDir m_dir;
    QString m_printed;
};

TEST_F(BatchReportCliTest, ReportHoldsNumberHeaderVerdictAndChainHead) {
    const QString text = PdfText(report());
    const QByteArray head = VerifyBatch(*m_records.recorder().store(), m_batch).head;
    ASSERT_FALSE(head.isEmpty());
    EXPECT_TRUE(HoldsText(text, m_batch.number())) << text.toStdString();
    EXPECT_TRUE(HoldsText(text, QStringLiteral("零件-7")));
    EXPECT_TRUE(HoldsText(text, QStringLiteral("无判定")));
    EXPECT_TRUE(HoldsText(text, QString::fromLatin1(head)));
    EXPECT_TRUE(HoldsText(text, QStringLiteral("装炉完成")));
}

struct ChangeCase {
    const char* name;
    const char* sql;
};

class BatchReportChangedFileTest : public BatchReportCliTest,
                                   public ::testing::WithParamInterface<ChangeCase> {};

// Changed in the records file after the batch was sealed: the report says so, and its
// attachment (the file as it is now) does not verify.
TEST_P(BatchReportChangedFileTest, ReportSaysTheRecordsWereChangedAndDoesNotVerify) {
    ASSERT_TRUE(m_records.tamper(QString::fromUtf8(GetParam().sql)));
    const QString pdf = report();
    const QString text = PdfText(pdf);
    EXPECT_TRUE(HoldsText(text, QStringLiteral("记录已被改动"))) << text.toStdString();
    EXPECT_FALSE(HoldsText(text, QStringLiteral("记录完整")));
    EXPECT_EQ(run({QStringLiteral("verify"), pdf}), 1) << m_printed.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Changes, BatchReportChangedFileTest,
    ::testing::Values(ChangeCase{"value", "update records set v4 = 99 where seq = 5"},
                      ChangeCase{"note",
                                 "update entries set payload = replace(payload, "
                                 "'装炉完成', '装炉未完成')"}),
    [](const auto& info) { return std::string(info.param.name); });

// The attached export with one character of entry 4 changed.
QByteArray Forged(QByteArray chain) {
    QList<QByteArray> lines = chain.split('\n');
    QByteArray& line = lines[4];
    char& c = line[line.size() - 2];
    c = c == '0' ? '1' : '0';
    return lines.join('\n');
}

struct VerifyCase {
    const char* name;
    std::function<QByteArray(const QByteArray& pdf, const QByteArray& chain)> file;
    int exit;
    const char* shown;  // in what vtrecords prints
};

void PrintTo(const VerifyCase& c, std::ostream* os) { *os << c.name; }

class BatchReportVerifyTest : public BatchReportCliTest,
                              public ::testing::WithParamInterface<VerifyCase> {};

TEST_P(BatchReportVerifyTest, VerifyWalksTheAttachedChainAgainstThePrintedHead) {
    const QString pdf = report();
    QFile original(pdf);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const auto attachment = ExtractAttachment(pdf);
    ASSERT_TRUE(attachment);
    const QString checked = m_dir.filePath(QStringLiteral("checked.pdf"));
    QFile out(checked);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(GetParam().file(original.readAll(), attachment->data));
    out.close();
    EXPECT_EQ(run({QStringLiteral("verify"), checked}), GetParam().exit);
    EXPECT_TRUE(m_printed.contains(QString::fromUtf8(GetParam().shown))) << m_printed.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Files, BatchReportVerifyTest,
    ::testing::Values(VerifyCase{"asMade",
                                 [](const QByteArray& pdf, const QByteArray&) { return pdf; }, 0,
                                 "记录完整"},
                      VerifyCase{"attachmentChanged",
                                 [](const QByteArray& pdf, const QByteArray& chain) {
                                     return vt::testing::WithReplacedAttachment(pdf, Forged(chain));
                                 },
                                 1, "第 4 条"},
                      VerifyCase{"notAReport",
                                 [](const QByteArray&, const QByteArray&) {
                                     return QByteArray("%PDF-1.4\nnot a report\n");
                                 },
                                 2, "checked.pdf"}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusedCase {
    const char* name;
    const char* number;  // nullptr: the batch made
    const char* file;
};

void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.name; }

class BatchReportRefusedTest : public BatchReportCliTest,
                               public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(BatchReportRefusedTest, ExitsTwoAndLeavesNoFile) {
    const QString path = m_dir.filePath(QString::fromUtf8(GetParam().file));
    const QString number =
        GetParam().number ? QString::fromUtf8(GetParam().number) : m_batch.number();
    EXPECT_EQ(run({QStringLiteral("report"), number, QStringLiteral("-o"), path}), 2);
    EXPECT_FALSE(m_printed.isEmpty());
    EXPECT_FALSE(QFile::exists(path));
}

INSTANTIATE_TEST_SUITE_P(Failures, BatchReportRefusedTest,
                         ::testing::Values(RefusedCase{"missingBatch", "NO-SUCH", "a.pdf"},
                                           RefusedCase{"unwritable", nullptr, "none/a.pdf"}),
                         [](const auto& info) { return std::string(info.param.name); });

// The batch page's report buttons: the preview opens, the PDF is named after the batch.
TEST_F(BatchReportCliTest, PagePrintsAndSavesTheBatchReport) {
    BatchPage page(m_records.recorder());
    page.show();
    page.showBatch(m_batch.id);
    page.findChild<QPushButton*>(QStringLiteral("CommandPrintReport"))->click();
    auto* preview =
        vt::testing::WaitForTopLevel<QPrintPreviewDialog>(QStringLiteral("BatchPrintPreview"));
    ASSERT_NE(preview, nullptr);
    preview->close();
    page.findChild<QPushButton*>(QStringLiteral("CommandSavePdf"))->click();
    auto* dialog = vt::testing::WaitForTopLevel<QFileDialog>(QStringLiteral("BatchPdfDialog"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->selectedFiles().value(0).endsWith(BatchReportFileName(m_batch.number())));
    const QString pdf = m_dir.filePath(QStringLiteral("page.pdf"));
    vt::testing::SaveThrough(QStringLiteral("BatchPdfDialog"), pdf);
    EXPECT_TRUE(HoldsText(PdfText(pdf), m_batch.number()));
}

}  // namespace
