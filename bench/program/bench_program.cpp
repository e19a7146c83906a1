// The process-program window's two costs the operator feels:
//  - an upload at 19200 baud, from the click on "上传曲线" until the grid and the preview show
//    the new curve, through the real link against the simulator with its wire time emulated
//    and the polling cycle running at its 500 ms, beside the wire time of the three reads;
//  - one preview redraw at the size the preview takes in the window at 1920x1080.
// Runs on the offscreen platform unless another one is chosen. Prints median and worst.
//
//   bench_program [uploads, default 20]
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "bench_stats.h"
#include "cell_edit_grid.h"
#include "program_picture_builder.h"
#include "program_reads.h"
#include "program_surface.h"
#include "program_window.h"
#include "screenshots.h"
#include "window_rig.h"
#include "wire_time.h"

using namespace vt;

namespace {

constexpr int kBaud19200 = 2;
constexpr int kPollIntervalMs = 500;

double UploadWireSeconds() {
    double total = 0.0;
    for (const ReadBlock& block : SegmentUploadBlocks())
        total += sim::TheoreticalWireSeconds(8, 5 + 2 * block.count, kBaud19200, 0);
    return total;
}

// Milliseconds of `runs` redraws after 10 that are not timed.
std::vector<double> Timed(const std::function<void()>& redraw, int runs = 400) {
    return bench::TimedRuns(redraw, 10, runs);
}

void Print(const char* what, const std::vector<double>& ms) {
    std::printf("%-52s median %8.3f ms   p90 %8.3f ms   worst %8.3f ms\n", what,
                bench::Quantile(ms, 0.5), bench::Quantile(ms, 0.9), bench::Quantile(ms, 1.0));
}

// Each run gives segment 1 a new set point on the controller, presses "上传曲线" and stops the
// clock once the window has put the new set point into the grid and the preview's maximum.
void BenchUpload(int uploads) {
    test::WindowRig rig(test::SimulatedLine::AtBaud(kBaud19200));
    rig.polling.setInterval(kPollIntervalMs);
    if (!rig.openPort(kBaud19200)) {
        std::printf("the simulated controller did not answer\n");
        return;
    }
    ProgramWindow window(rig.context);
    window.resize(1920, 1080);
    window.show();
    auto* upload = window.findChild<QPushButton*>(QStringLiteral("Command1A"));
    auto* grid = window.findChild<CellEditGrid*>(QStringLiteral("Flxg"));
    auto* maximum = window.findChild<QLabel*>(QStringLiteral("Label5"));

    std::vector<double> ms;
    QElapsedTimer clock;
    bool shown = false;
    QString expected;
    QObject::connect(&window.model(), &ProgramModel::uploaded, &window, [&] {
        shown = grid->cellText(1, 1) == expected && maximum->text() == expected;
        ms.push_back(clock.nsecsElapsed() / 1e6);
    });
    for (int i = 0; i < uploads; ++i) {
        const int setPoint = 500 + i;
        rig.line.model().setHolding(Program::SegmentField(1, 0),
                                    static_cast<std::int16_t>(setPoint * 10));
        expected = QString::number(setPoint);
        QSignalSpy done(&window.model(), &ProgramModel::uploaded);
        QTest::qWait(37 * (i % 7));  // land at different moments of the polling cycle
        clock.start();
        QTest::mouseClick(upload, Qt::LeftButton);
        if (!done.wait(test::kWaitMs) || !shown) {
            std::printf("upload %d did not show the new curve\n", i);
            return;
        }
    }
    std::printf(
        "-- upload at 19200 baud, polling every %d ms: wire time of the three reads "
        "%.1f ms\n",
        kPollIntervalMs, UploadWireSeconds() * 1e3);
    Print("click to grid and preview showing the new curve", ms);
}

void BenchRedraw() {
    test::WindowRig rig;
    if (!rig.openPort()) return;
    ProgramWindow window(rig.context);
    QSignalSpy uploaded(&window.model(), &ProgramModel::uploaded);
    window.upload();
    uploaded.wait(test::kWaitMs);
    window.resize(1920, 1080);
    window.show();
    QTest::qWait(50);
    auto* surface = window.findChild<ProgramSurface*>(QStringLiteral("pt1"));
    const QSize size = surface->size();
    const ProgramMirror& mirror = window.model().mirror();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    std::printf("-- preview redraw, window 1920x1080, picture box %dx%d\n", size.width(),
                size.height());
    Print("picture build", Timed([&] { (void)BuildProgramPicture(mirror, 25); }));
    Print("picture build and paint", Timed([&] {
              QPainter painter(&image);
              PaintProgramPicture(painter, image.rect(), BuildProgramPicture(mirror, 25));
          }));
    const auto refreshAndRender = [&] {
        window.refresh();
        surface->render(&image);
    };
    Print("window refresh (grid, labels, picture) and render", Timed(refreshAndRender, 200));
}

}  // namespace

int main(int argc, char** argv) {
    bench::UseOffscreenUnlessChosen();
    QApplication app(argc, argv);
    const int uploads = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    BenchUpload(uploads);
    BenchRedraw();
    return 0;
}
