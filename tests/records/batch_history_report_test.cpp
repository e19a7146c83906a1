// The history report over one batch's archive: the records within the range chosen, of that
// batch alone, through the report dialog to a PDF.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
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

    auto* save = dialog->findChild<QPushButton*>(QStringLiteral("HistoryReportSave"));
    save->click();
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("batch-history.pdf"));
    auto* ask = vt::testing::WaitForTopLevel<QFileDialog>(QStringLiteral("HistoryReportPdfDialog"));
    ASSERT_NE(ask, nullptr);
    ask->selectFile(pdf);
    static_cast<QDialog*>(ask)->accept();
    // The archive is read on a worker: the dialog says so and cannot start another report.
    EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("HistoryReportStatus"))->text(),
              QStringLiteral("正在生成报告…"));
    EXPECT_FALSE(save->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(pdf); }, vt::testing::kDialogWaitMs));
    const QString text = PdfText(pdf);
    for (const char* shown : {"批次 1", "101.5", "100.75", "范围内无中断"})
        EXPECT_TRUE(HoldsText(text, QString::fromUtf8(shown))) << shown << "\n"
                                                               << text.toStdString();
    EXPECT_FALSE(HoldsText(text, QStringLiteral("300.0")));
}

}  // namespace

namespace {

struct NarrowCase {
    const char* name;
    int fromSecond;  // after 08:00:00
    int toSecond;
    std::size_t count;
};

using Samples = std::vector<std::pair<double, float>>;

// An open batch whose clock was set back two minutes after 150 s: records 1..150 at
// 08:00:01..08:02:30, then 201..260 at 08:00:31..08:01:30, the last thirty in the minute still
// under way (no span yet). With `dropSpans` the file has no spans at all.
class NarrowedReadTest : public ::testing::TestWithParam<std::tuple<NarrowCase, bool>> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_records.recorder().startManual(m_records.recorder().proposal(), nullptr));
        m_id = m_records.recorder().openBatch()->id;
        for (int i = 1; i <= 150; ++i) m_records.feed(1, float(i));
        m_records.advance(-120);
        for (int i = 201; i <= 260; ++i) m_records.feed(1, float(i));
        if (std::get<1>(GetParam())) {
            ASSERT_TRUE(m_records.tamper(QStringLiteral("delete from record_minutes")));
        }
    }

    // Every record of the batch, in the order taken, kept when its time lies in the range.
    Samples everyRecordWithin(const QDateTime& from, const QDateTime& to) {
        Samples out;
        const std::int64_t first = from.toMSecsSinceEpoch();
        const std::int64_t last = to.toMSecsSinceEpoch();
        m_records.recorder().store()->records(m_id, 0, -1, [&](const BatchRecord& r) {
            if (r.timeMs >= first && r.timeMs <= last)
                out.emplace_back((r.timeMs - first) / 1000.0, r.values[RecordColumn::Pv1]);
        });
        return out;
    }

    vt::testing::RecordsFixture m_records;
    std::int64_t m_id = 0;
};

TEST_P(NarrowedReadTest, ReadsExactlyTheRecordsOfTheRange) {
    const NarrowCase& c = std::get<0>(GetParam());
    const QDateTime start(QDate(2026, 3, 2), QTime(8, 0, 0));
    const QDateTime from = start.addSecs(c.fromSecond);
    const QDateTime to = start.addSecs(c.toSecond);
    BatchSeriesSource source(*m_records.recorder().store(), m_id);
    Samples read;
    source.read(from, to, [&](double seconds, std::span<const float> values) {
        read.emplace_back(seconds, values[RecordColumn::Pv1]);
    });
    EXPECT_EQ(read.size(), c.count);
    EXPECT_EQ(read, everyRecordWithin(from, to));
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, NarrowedReadTest,
    ::testing::Combine(::testing::Values(NarrowCase{"wholeBatch", 0, 200, 210},
                                         NarrowCase{"setBackMinute", 40, 50, 22},
                                         NarrowCase{"minuteUnderWay", 70, 80, 22},
                                         NarrowCase{"bothEndsOneSecond", 31, 31, 2},
                                         NarrowCase{"afterTheSetBack", 120, 150, 31},
                                         NarrowCase{"beforeTheStart", -60, -1, 0}),
                       ::testing::Bool()),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) +
               (std::get<1>(info.param) ? "_noSpans" : "_spans");
    });

}  // namespace
