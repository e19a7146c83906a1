// Takes the pictures of the configuration window against the simulated controller: every tab at
// 1366x768 (config-tab<N>-1366x768.png) and the first at 1920x1080, in the folder given (default
// docs/screenshots). Runs on the offscreen platform unless another one is chosen.
#include <QApplication>
#include <QSignalSpy>
#include <QTabWidget>
#include <memory>

#include "config_catalogue.h"
#include "config_window.h"
#include "editor_descriptors.h"
#include "guarded_window.h"
#include "screenshots.h"
#include "window_rig.h"

namespace {

// Shows the window at `size` once a whole read-and-show cycle has come in.
void ShowRead(vt::ConfigWindow& window, QSize size) {
    window.resize(size);
    window.show();
    QSignalSpy cycles(&window.readCycle(), &vt::PeriodicRead::cycleFinished);
    window.readCycle().readNow();
    cycles.wait(5000);
}

}  // namespace

int main(int argc, char** argv) {
    vt::bench::UseOffscreenUnlessChosen();
    QApplication app(argc, argv);
    const QDir folder = vt::bench::ScreenshotFolder(argc, argv);

    vt::test::WindowRig rig;
    if (!rig.openPort()) return 1;

    // As the station builds it, with the image commands in its place for commands.
    const std::unique_ptr<vt::GuardedWindow> built(
        vt::MakeEditor(vt::StationWindow::CONFIG1, rig.context));
    auto& window = static_cast<vt::ConfigWindow&>(*built);
    auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("SSTab2"));
    ShowRead(window, {1366, 768});
    for (int k = 0; k < vt::kConfigTabCount; ++k) {
        tabs->setCurrentIndex(k);
        vt::bench::SaveScreenshot(window, folder,
                                  QStringLiteral("config-tab%1-1366x768.png").arg(k + 1));
    }
    tabs->setCurrentIndex(0);
    ShowRead(window, {1920, 1080});
    vt::bench::SaveScreenshot(window, folder, QStringLiteral("config-tab1-1920x1080.png"));
    return 0;
}
