// The history window's printouts: F3 saves the chart as it stands, "历史报告" a range of the
// ten-second ring with its statistics and gaps.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDateTimeEdit>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "dialog_waits.h"
#include "history_window.h"
#include "pdf_tools.h"
#include "trend_chart.h"
#include "window_rig.h"

namespace vt::test {
namespace {

using vt::testing::HoldsText;
using vt::testing::PdfText;
using vt::testing::SaveThrough;
using vt::testing::WaitForTopLevel;

class HistoryReportWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const QDateTime newest = QDateTime::currentDateTime().addSecs(-5);
        // Values by record: column j is 100 + j + n % 10; a ten-minute hole in the middle.
        rig.fillTenSecondRing(1, 300, newest.addSecs(-3600), [](std::int32_t n, std::int32_t) {
            std::array<double, 8> v{};
            for (int j = 0; j < 8; ++j) v[std::size_t(j)] = 100 + j + n % 10;
            return v;
        });
        rig.fillTenSecondRing(301, 300, newest, [](std::int32_t n, std::int32_t) {
            std::array<double, 8> v{};
            for (int j = 0; j < 8; ++j) v[std::size_t(j)] = 100 + j + n % 10;
            return v;
        });
        window = std::make_unique<HistoryWindow>(rig.context);
        window->resize(1280, 800);
        ASSERT_TRUE(ShowActive(window.get()));
    }

    WindowRig rig;
    std::unique_ptr<HistoryWindow> window;
    QTemporaryDir dir;
};

TEST_F(HistoryReportWindowTest, F3SavesTheChartAsItStands) {
    QTest::keyClick(window.get(), Qt::Key_F3);
    auto* choice = WaitForTopLevel<QMessageBox>(QStringLiteral("TrendPrintChoice"));
    ASSERT_NE(choice, nullptr);
    choice->findChild<QPushButton*>(QStringLiteral("TrendSavePdfButton"))->click();
    const QString path = dir.filePath(QStringLiteral("trend.pdf"));
    SaveThrough(QStringLiteral("TrendPdfDialog"), path);
    const QString text = PdfText(path);
    for (const char* shown :
         {"历史长周期曲线", "PV1值", "输出OP", "SV2值", "时间范围", "第 1 页 共 1 页"})
        EXPECT_TRUE(HoldsText(text, QString::fromUtf8(shown))) << shown;
}

TEST_F(HistoryReportWindowTest, HistoryReportHoldsStatisticsAndTheGap) {
    Find<QPushButton>(window.get(), QStringLiteral("CommandHistoryReport"))->click();
    auto* dialog = WaitForTopLevel<QDialog>(QStringLiteral("HistoryReportDialog"));
    ASSERT_NE(dialog, nullptr);
    auto* from = dialog->findChild<QDateTimeEdit*>(QStringLiteral("ReportFrom"));
    from->setDateTime(from->minimumDateTime());  // the whole ring
    dialog->findChild<QPushButton*>(QStringLiteral("HistoryReportSave"))->click();
    const QString path = dir.filePath(QStringLiteral("history.pdf"));
    SaveThrough(QStringLiteral("HistoryReportPdfDialog"), path);
    const QString text = PdfText(path);
    // 600 records; column 0 runs 100..109, mean 104.5; column 5 (SV2值) 105..114.
    for (const char* shown :
         {"历史报告", "600", "100.0", "109.0", "104.50", "SV2值", "114.0", "数据中断", "0:10:10"})
        EXPECT_TRUE(HoldsText(text, QString::fromUtf8(shown))) << shown << "\n"
                                                               << text.toStdString();
}

}  // namespace
}  // namespace vt::test
