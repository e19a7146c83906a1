#pragma once

#include <QDir>
#include <QString>

class QWidget;

namespace vt::bench {

// Picks Qt's offscreen platform unless another one is chosen; call before the application.
void UseOffscreenUnlessChosen();

// The folder named by the first argument (default docs/screenshots), made when missing.
QDir ScreenshotFolder(int argc, char** argv);

// Lets the window finish its pending work, saves its picture as `name` in `folder` and prints
// whether that worked.
void SaveScreenshot(QWidget& window, const QDir& folder, const QString& name);

}  // namespace vt::bench
