// Time of one full trend redraw (grid, six pens over 320 samples, gap marks, labels) at the
// sizes the surface takes in the overview at 1920x1080 and 1366x768, on the software raster.
// Run with QT_QPA_PLATFORM=offscreen. Prints median and 99th percentile in milliseconds.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

#include "bench_stats.h"
#include "controller_state.h"
#include "screenshots.h"
#include "trend_chart.h"
#include "trend_engine.h"
#include "trend_painter.h"
#include "trend_surface.h"
#include "trend_text.h"

namespace {

using namespace vt;

// A full ring of one-second records with moving values; a gap every `gapEvery` records.
class WaveRing : public RingWindowSource {
  public:
    explicit WaveRing(int gapEvery) : m_gapEvery(gapEvery) {}
    std::int32_t newestId() override { return 40000; }
    std::vector<RingRecord> readWindow(std::int32_t endId, std::int32_t count) override {
        std::vector<RingRecord> records;
        double seconds = 43200.0;
        for (std::int32_t id = endId - count + 1; id <= endId; ++id) {
            seconds += id % m_gapEvery == 0 ? 600.0 : 1.0;
            RingRecord r{id, 45363.0, seconds / 86400.0, {}};
            for (int j = 0; j < 8; ++j)
                r.values[j] = static_cast<float>(600.0 + 400.0 * std::sin(id / 25.0 + j));
            r.values[1] = r.values[4] = static_cast<float>(50.0 + 40.0 * std::sin(id / 40.0));
            records.push_back(r);
        }
        return records;
    }

  private:
    int m_gapEvery;
};

struct Figures {
    double median;
    double p99;
};

Figures Measure(const std::function<void()>& work, int runs = 400) {
    const std::vector<double> ms = bench::TimedRuns(work, 20, runs);
    return {bench::Quantile(ms, 0.5), bench::Quantile(ms, 0.99)};
}

void Report(const char* what, QSize size, const Figures& f) {
    std::printf("%-44s %4dx%-4d  median %7.3f ms   p99 %7.3f ms\n", what, size.width(),
                size.height(), f.median, f.p99);
}

// The engine on the oldest-but-one page at zoom level 4: 320 segments per pen.
void PrepareEngine(TrendEngine& engine) {
    engine.initialise();
    while (engine.raiseZoom()) {
    }
    engine.pageOlder();
}

void BenchSize(QSize size, int gapEvery, const char* label) {
    ControllerState state;
    state.YSpan = 1500;
    WaveRing ring(gapEvery);
    TrendEngine engine(OverviewTrendSettings(), state);
    engine.setSource(&ring);
    PrepareEngine(engine);
    TrendPainter painter;
    QImage image(size, QImage::Format_ARGB32_Premultiplied);

    std::printf("-- %s: %zu gap marks, %zu points per pen\n", label,
                engine.buildPicture().gapMarks.size(), engine.buildPicture().pens[0].points.size());
    Report("picture build", size, Measure([&] { (void)engine.buildPicture(); }));
    Report("full redraw (build, label texts, paint)", size, Measure([&] {
               const TrendPicture picture = engine.buildPicture();
               QString texts;
               for (const TrendStamp& stamp : picture.timeLabels)
                   texts += TrendTimeText(stamp.time) + TrendDateText(stamp.date);
               QPainter p(&image);
               painter.paint(p, image.rect(), picture, engine.rulerLine());
           }));

    TrendChart chart(OverviewTrendSettings(), state);
    chart.setSource(&ring);
    chart.initialise();
    while (chart.engine().raiseZoom()) {
    }
    chart.handleKey(Qt::Key_F7);
    chart.surface()->resize(size);
    Report("chart redraw() + surface render", size, Measure([&] {
               chart.redraw();
               chart.surface()->render(&image);
           }));
}

}  // namespace

int main(int argc, char** argv) {
    vt::bench::UseOffscreenUnlessChosen();
    QApplication app(argc, argv);
    for (const QSize size : {QSize(1400, 800), QSize(900, 450)}) {
        BenchSize(size, 40, "typical");
        BenchSize(size, 1, "worst case: a gap at every record");
    }
    return 0;
}
