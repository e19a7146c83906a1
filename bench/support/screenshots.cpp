#include "screenshots.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
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

namespace {

constexpr int kLeftAloneMs = 5000;

// The window's picture with the dialogs it shows painted over it.
QPixmap WithDialogs(QWidget& window) {
    QPixmap picture = window.grab();
    QPainter painter(&picture);
    for (QDialog* dialog : window.findChildren<QDialog*>()) {
        if (dialog->isVisible()) painter.drawPixmap(dialog->pos() - window.pos(), dialog->grab());
    }
    return picture;
}

}  // namespace

void SaveScreenshot(QWidget& window, const QDir& folder, const QString& name) {
    QEventLoop loop;
    QTimer::singleShot(kLeftAloneMs, &loop, &QEventLoop::quit);
    loop.exec();
    const QString path = folder.filePath(name);
    std::printf("%s %s\n", WithDialogs(window).save(path) ? "wrote" : "could not write",
                qPrintable(path));
}

}  // namespace vt::bench
