#include "screenshots.h"

#include <QApplication>
#include <QPixmap>
#include <QWidget>
#include <cstdio>

namespace vt::bench {

void UseOffscreenUnlessChosen() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
}

QDir ScreenshotFolder(int argc, char** argv) {
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1])
                               : QStringLiteral("docs/screenshots"));
    QDir().mkpath(folder.path());
    return folder;
}

void SaveScreenshot(QWidget& window, const QDir& folder, const QString& name) {
    QApplication::processEvents();
    const QString path = folder.filePath(name);
    std::printf("%s %s\n", window.grab().save(path) ? "wrote" : "could not write",
                qPrintable(path));
}

}  // namespace vt::bench
