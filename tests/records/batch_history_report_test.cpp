// The history report over one batch's archive: the records within the range chosen, of that
// batch alone, through the report dialog to a PDF.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDateTimeEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "batch_archives.h"
#include "batch_series_source.h"
#include "dialog_waits.h"
#include "history_report_command.h"
#include "pdf_tools.h"
#include "records_fixture.h"
#include "trend_settings.h"

using namespace vt;
using vt::testing::HoldsText;
using vt::testing::PdfText;

namespace {

constexpr int kLoadColumn = RecordColumn::Pv1;

// Two closed batches: the first has ten records of 100.0 then ten of 101.5 (one a second from
// its start), the second five of 300.0.
class BatchArchiveReportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_first = m_records.closedBatch(20);
        ASSERT_TRUE(m_records.recorder().startManual(m_records.recorder().proposal(), nullptr));
        m_records.feed(5, 300.0f);
        ASSERT_TRUE(m_records.recorder().endBatch());
    }

    HistoryReportRequest request() const {
        HistoryReportRequest r;
        r.title = QStringLiteral("历史报告");
        r.pens = TrendHistoryPens(HistoryTrendSettings().PenNames);
        return r;
    }

    QDateTime started() {
        return QDateTime::fromMSecsSinceEpoch(
            m_records.recorder().store()->batch(m_first)->startedMs);
    }

    vt::testing::RecordsFixture m_records;
    std::int64_t m_first = 0;
};

struct RangeCase {
    const char* name;
    int fromSecond;  // after the batch's start
    int toSecond;
    qint64 count;
    double minimum;
    double maximum;
    double mean;
};

class BatchArchiveRangeTest : public BatchArchiveReportTest,
                              public ::testing::WithParamInterface<RangeCase> {};

TEST_P(BatchArchiveRangeTest, StatisticsHoldTheBatchsRecordsWithinTheRange) {
    const RangeCase& c = GetParam();
    BatchSeriesSource source(*m_records.recorder().store(), m_first);
    HistoryReportRequest r = request();
    r.from = started().addSecs(c.fromSecond);
    r.to = started().addSecs(c.toSecond);
    const HistoryReportData report = BuildHistoryReport(source, r);
    const auto pen = std::find_if(r.pens.begin(), r.pens.end(),
                                  [](const HistoryPen& p) { return p.column == kLoadColumn; });
    const PenStatistics& s = report.statistics[std::size_t(pen - r.pens.begin())];
    EXPECT_EQ(report.records, c.count);
    EXPECT_DOUBLE_EQ(s.minimum, c.minimum);
    EXPECT_DOUBLE_EQ(s.maximum, c.maximum);
    EXPECT_DOUBLE_EQ(s.mean, c.mean);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, BatchArchiveRangeTest,
    ::testing::Values(RangeCase{"wholeBatch", 0, 20, 20, 100.0, 101.5, 100.75},
                      RangeCase{"firstHalf", 1, 10, 10, 100.0, 100.0, 100.0},
                      RangeCase{"lastFiveEndsIncluded", 16, 20, 5, 101.5, 101.5, 101.5},
                      RangeCase{"acrossTheStep", 10, 11, 2, 100.0, 101.5, 100.75}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BatchArchiveReportTest, DialogReportsTheChosenBatchOverItsWholeSpan) {
    BatchArchives archives(m_records.recorder());
    QWidget window;
    window.show();
    HistoryReportCommand command(
        window, [] { return nullptr; }, request(), &archives);
    command.run();
    auto* dialog = vt::testing::WaitForTopLevel<QDialog>(QStringLiteral("HistoryReportDialog"));
    ASSERT_NE(dialog, nullptr);
    auto* source = dialog->findChild<QComboBox*>(QStringLiteral("ReportSource"));
    ASSERT_EQ(source->count(), 3);  // the ring, then the batches newest first
    EXPECT_TRUE(source->itemText(2).startsWith(QStringLiteral("批次 1  零件-7")))
        << qPrintable(source->itemText(2));
    source->setCurrentIndex(2);
    auto* from = dialog->findChild<QDateTimeEdit*>(QStringLiteral("ReportFrom"));
    EXPECT_EQ(from->minimumDateTime(), started());
    EXPECT_EQ(from->dateTime(), started());

    dialog->findChild<QPushButton*>(QStringLiteral("HistoryReportSave"))->click();
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("batch-history.pdf"));
    vt::testing::SaveThrough(QStringLiteral("HistoryReportPdfDialog"), pdf);
    const QString text = PdfText(pdf);
    for (const char* shown : {"批次 1", "101.5", "100.75", "范围内无中断"})
        EXPECT_TRUE(HoldsText(text, QString::fromUtf8(shown))) << shown << "\n"
                                                               << text.toStdString();
    EXPECT_FALSE(HoldsText(text, QStringLiteral("300.0")));
}

}  // namespace
