// The F3 page of a trend chart, saved as a PDF and read back.
#include "trend_page.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>

#include "controller_state.h"
#include "pdf_tools.h"
#include "trend_engine.h"

namespace vt {
namespace {

using testing::HoldsColour;
using testing::HoldsText;
using testing::PdfText;
using testing::RenderPage;
using testing::RunTool;

// Values that stay on their scales: the value pens around 600, output and PV2 around 50 %.
class WaveRing : public RingWindowSource {
  public:
    std::int32_t newestId() override { return 1000; }
    std::vector<RingRecord> readWindow(std::int32_t endId, std::int32_t count) override {
        std::vector<RingRecord> records;
        for (std::int32_t id = endId - count + 1; id <= endId; ++id) {
            RingRecord r{id, 46000.0, 0.5 + id / 86400.0, {}};
            for (int j = 0; j < 8; ++j) r.values[j] = float(600 + 300 * std::sin(id / 30.0 + j));
            r.values[1] = r.values[4] = float(50 + 30 * std::sin(id / 40.0));
            records.push_back(r);
        }
        return records;
    }
};

class TrendPageTest : public ::testing::Test {
  protected:
    TrendPageTest() : engine(OverviewTrendSettings(), state) {
        state.YSpan = 1500;
        engine.setSource(&ring);
        engine.initialise();
    }
    QString save() {
        const TrendPageData page =
            TrendPageOf(engine, QStringLiteral("实时趋势"), QStringLiteral("站 1"));
        const QString path = dir.filePath(QStringLiteral("trend.pdf"));
        QString error;
        EXPECT_TRUE(SaveTrendPagePdf(path, page, &error)) << error.toStdString();
        return path;
    }

    ControllerState state;
    WaveRing ring;
    TrendEngine engine;
    QTemporaryDir dir;
};

TEST_F(TrendPageTest, OneLandscapePageWithPensRangeAndStation) {
    const QString pdf = save();
    const QString info = QString::fromUtf8(RunTool(QStringLiteral("pdfinfo"), {pdf}));
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))));
    EXPECT_TRUE(info.contains(QStringLiteral("842 x 595 pts (A4)"))) << info.toStdString();
    const QString text = PdfText(pdf);
    for (const QString& name : OverviewTrendSettings().PenNames)
        EXPECT_TRUE(HoldsText(text, name)) << name.toStdString();
    for (const char* shown : {"实时趋势", "站 1", "时间范围", "第 1 页 共 1 页"})
        EXPECT_TRUE(HoldsText(text, QString::fromUtf8(shown))) << shown;
    EXPECT_FALSE(HoldsText(text, QStringLiteral("标尺")));

    const QImage page = RenderPage(pdf, 1, 100);
    ASSERT_FALSE(page.isNull());
    const QRect chart(0, page.height() / 6, page.width(), page.height() * 2 / 3);
    for (const TrendPenSpec& pen : kTrendPens)
        EXPECT_TRUE(HoldsColour(page, chart, pen.rgb, 10, 40)) << std::hex << pen.rgb;
}

TEST_F(TrendPageTest, RulerOnPrintsItsMomentAndValues) {
    engine.enterRuler();
    engine.moveRuler(6000);
    const RulerReading reading = engine.rulerReading();
    ASSERT_TRUE(reading.recorded);
    const QString text = PdfText(save());
    EXPECT_TRUE(HoldsText(text, QStringLiteral("标尺")));
    EXPECT_TRUE(HoldsText(text, QStringLiteral("t.PV = ") + QString::number(reading.values[0])))
        << text.toStdString();
}

}  // namespace
}  // namespace vt
