// Takes the pictures of the controller image against the simulated controller, in the folder
// given (default docs/screenshots): the configuration window after "保存参数"
// (image-save-1366x768.png), the compare list of twenty differences (image-compare-1366x768.png)
// and the same list after a restore (image-restored-1366x768.png). Runs on the offscreen
// platform unless another one is chosen.
#include <QApplication>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "config_window.h"
#include "controller_map.h"
#include "image_commands.h"
#include "image_compare_window.h"
#include "screenshots.h"
#include "window_rig.h"

namespace {

// Twenty settings changed since the image was saved, in every area; the communication delay and
// an address octet among them, which a restore leaves alone unless ticked.
const std::pair<int, int> kChanges[] = {
    {4103, 25},
    {4110, 12000},
    {4140, 950},
    {4161, 3},
    {4160, 5},
    {4195, 101},
    {4353, 250},
    {4354, 200},
    {4355, 120},
    {257, 2800},
    {258, 20},
    {vt::Group::Pid(2, 0), 25},
    {vt::Group::Mode, 1},
    {vt::Group::OutputHigh(3), 90},
    {vt::Program::Parameter(3), 5},
    {vt::Program::Parameter(4), 2},
    {vt::Program::SegmentField(1, 0), 1200},
    {vt::Program::SegmentField(2, 1), 30},
    {vt::Program::SegmentField(5, 0), 500},
    {vt::Program::SegmentField(5, 1), 10},
};

}  // namespace

int main(int argc, char** argv) {
    vt::bench::UseOffscreenUnlessChosen();
    QApplication app(argc, argv);
    const QDir folder = vt::bench::ScreenshotFolder(argc, argv);
    const QSize size{1366, 768};

    vt::test::WindowRig rig;
    if (!rig.openPort()) return 1;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("VT5800_参数_20240506_103000.json"));

    vt::ConfigWindow config(rig.context);
    auto* image = new vt::ImageCommands(rig.context, &config, config.commandPlace());
    config.resize(size);
    config.show();
    QSignalSpy cycles(&config.readCycle(), &vt::PeriodicRead::cycleFinished);
    config.readCycle().readNow();
    if (!cycles.wait(5000)) return 1;
    QSignalSpy saved(image, &vt::ImageCommands::saved);
    image->saveTo(path);
    if (!saved.wait(5000)) return 1;
    vt::bench::SaveScreenshot(config, folder, QStringLiteral("image-save-1366x768.png"));

    for (const auto& [reg, value] : kChanges)
        rig.line.model().setHolding(reg, static_cast<std::int16_t>(value));
    QSignalSpy compared(image, &vt::ImageCommands::compared);
    image->compareWith(path);
    if (!compared.wait(5000)) return 1;
    vt::ImageCompareWindow* window = image->compareWindow();
    window->resize(size);
    vt::bench::SaveScreenshot(*window, folder, QStringLiteral("image-compare-1366x768.png"));

    QSignalSpy restored(window, &vt::ImageCompareWindow::restoreFinished);
    window->restoreTicked();
    if (!restored.wait(5000)) return 1;
    vt::bench::SaveScreenshot(*window, folder, QStringLiteral("image-restored-1366x768.png"));
    return 0;
}
