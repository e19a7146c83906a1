// Times the controller image against the simulator with the wire time emulated, beside the
// wire time its frames need in theory (3.5-character gaps included):
//  - saving a full image at 19200 and 115200 baud, alone on the line and from the
//    configuration window with the polling cycle running as in the station (every 500 ms);
//  - comparing a file that differs in 20 registers, and restoring those 20, at 19200 baud;
//  - what the user-interface thread spends on the file: writing it and checking it.
//
//   bench_image [runs per figure, default 5]

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <cstdio>

#include "bench_stats.h"
#include "config_window.h"
#include "controller_map.h"
#include "image_commands.h"
#include "image_compare_window.h"
#include "image_file.h"
#include "image_reader.h"
#include "window_rig.h"
#include "wire_time.h"

using namespace vt;

namespace {

constexpr int kWaitMs = 60000;
constexpr int kRequestBytes = 8;
constexpr int kWriteAnswerBytes = 8;

double ReadWireSeconds(int baudCode) {
    double total = 0.0;
    for (const ReadBlock& block : ImageReadBlocks())
        total += sim::TheoreticalWireSeconds(kRequestBytes, 5 + 2 * block.count, baudCode, 0);
    return total;
}

double WriteWireSeconds(int writes, int baudCode) {
    return writes * sim::TheoreticalWireSeconds(kRequestBytes, kWriteAnswerBytes, baudCode, 0);
}

// A frozen simulator answering after the wire time of `baudCode`, the port opened at that rate
// and the polling cycle every 500 ms, as the station runs it.
struct Bench {
    explicit Bench(int baudCode) : rig(test::SimulatedLine::AtBaud(baudCode)) {
        rig.polling.setInterval(PollingCycle::kIntervalMs);
        rig.openPort(baudCode);
    }
    test::WindowRig rig;
};

// Seconds from `start` until `spy` has a signal; negative when none came or `ok` says it failed.
template <typename Start, typename Ok>
double Time(QSignalSpy& spy, Start start, Ok ok) {
    QElapsedTimer clock;
    clock.start();
    start();
    if (!spy.wait(kWaitMs) || !ok(spy.last())) return -1.0;
    return static_cast<double>(clock.nsecsElapsed()) * 1e-9;
}

void Report(const char* what, std::vector<double> samples, double wire) {
    const double median = bench::Quantile(samples, 0.5);
    std::printf("  %-44s median %8.1f ms  max %8.1f ms  wire %8.1f ms  ratio %.2f\n", what,
                median * 1e3, bench::Quantile(samples, 1.0) * 1e3, wire * 1e3, median / wire);
}

void MeasureSave(int baudCode, int runs) {
    Bench bench(baudCode);
    std::vector<double> alone;
    std::vector<double> inWindow;
    bench.rig.polling.stop();
    for (int i = 0; i < runs; ++i) {
        ImageReader reader(bench.rig.link, bench.rig.state);
        QSignalSpy finished(&reader, &ImageReader::finished);
        alone.push_back(Time(
            finished, [&] { reader.start(); }, [](auto&) { return true; }));
    }
    bench.rig.polling.start();
    QTemporaryDir dir;
    ConfigWindow window(bench.rig.context);
    auto* image = new ImageCommands(bench.rig.context, &window, window.commandPlace());
    for (int i = 0; i < runs; ++i) {
        QSignalSpy saved(image, &ImageCommands::saved);
        const QString path = dir.filePath(QStringLiteral("image%1.json").arg(i));
        inWindow.push_back(Time(
            saved, [&] { image->saveTo(path); },
            [](const QList<QVariant>& args) { return args.at(0).toBool(); }));
    }
    const double wire = ReadWireSeconds(baudCode);
    std::printf("%d baud, %zu blocks, %zu registers\n", sim::BaudRateOfCode(baudCode),
                ImageReadBlocks().size(), ImageRegisters().size());
    Report("image read, line otherwise idle", alone, wire);
    Report("save from CONFIG1 (reads + file), polling on", inWindow, wire);
}

// Twenty registers across the areas that differ from the saved image.
const std::pair<int, int> kChanges[] = {
    {4103, 25},   {4110, 12000}, {4140, 950}, {4161, 3},    {4165, 10}, {4353, 250}, {4354, 200},
    {4355, 120},  {257, 2800},   {258, 20},   {5127, 25},   {5129, 80}, {4609, 1},   {4619, 90},
    {4626, 2600}, {8196, 5},     {8197, 2},   {8209, 1200}, {8218, 30}, {8241, 500},
};

void MeasureCompareAndRestore(int baudCode, int runs) {
    Bench bench(baudCode);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("image.json"));
    ConfigWindow window(bench.rig.context);
    auto* image = new ImageCommands(bench.rig.context, &window, window.commandPlace());
    QSignalSpy saved(image, &ImageCommands::saved);
    image->saveTo(path);
    if (!saved.wait(kWaitMs)) return;
    std::vector<double> compares;
    std::vector<double> restores;
    for (int i = 0; i < runs; ++i) {
        for (const auto& [reg, value] : kChanges)
            bench.rig.line.model().setHolding(reg, static_cast<std::int16_t>(value));
        QSignalSpy compared(image, &ImageCommands::compared);
        compares.push_back(Time(
            compared, [&] { image->compareWith(path); },
            [](const QList<QVariant>& args) { return args.at(0).toBool(); }));
        ImageCompareWindow* compare = image->compareWindow();
        if (!compare || compare->comparison().tickedCount() != 20) {
            std::printf("the compare did not find the 20 differences\n");
            return;
        }
        QSignalSpy restored(compare, &ImageCompareWindow::restoreFinished);
        restores.push_back(Time(
            restored, [&] { compare->restoreTicked(); },
            [&](auto&) { return compare->comparison().differenceCount() == 0; }));
        // Back to the configuration window, as "返回" does; the window goes with the next turn.
        QMetaObject::invokeMethod(compare->findChild<QObject*>(QStringLiteral("Command1")),
                                  "click");
        QApplication::processEvents();
    }
    const double read = ReadWireSeconds(baudCode);
    std::printf("%d baud, 20 differences, polling on\n", sim::BaudRateOfCode(baudCode));
    Report("compare (file check + image read + list)", compares, read);
    Report("restore (20 writes + read back)", restores, WriteWireSeconds(20, baudCode) + read);
}

void MeasureFile(int runs) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("image.json"));
    ImageFile file;
    file.origin.saved = QDateTime::currentDateTime();
    std::vector<double> saves;
    std::vector<double> loads;
    for (int i = 0; i < runs * 4; ++i) {
        QElapsedTimer clock;
        clock.start();
        SaveImageFile(path, file);
        saves.push_back(static_cast<double>(clock.nsecsElapsed()) * 1e-9);
        clock.restart();
        LoadImageFile(path);
        loads.push_back(static_cast<double>(clock.nsecsElapsed()) * 1e-9);
    }
    std::printf("the image file (%lld bytes) on the user-interface thread\n",
                static_cast<long long>(QFileInfo(path).size()));
    std::printf("  %-44s median %8.2f ms  max %8.2f ms\n", "write (JSON text, atomic save)",
                bench::Quantile(saves, 0.5) * 1e3, bench::Quantile(saves, 1.0) * 1e3);
    std::printf("  %-44s median %8.2f ms  max %8.2f ms\n", "read and check whole",
                bench::Quantile(loads, 0.5) * 1e3, bench::Quantile(loads, 1.0) * 1e3);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    std::printf("controller image, 8N1, %d runs per figure\n", runs);
    for (int baudCode : {2, 5}) MeasureSave(baudCode, runs);
    MeasureCompareAndRestore(2, runs);
    MeasureFile(runs);
    return 0;
}
