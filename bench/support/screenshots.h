#pragma once

#include <QDir>
#include <QString>

class QWidget;

namespace vt::bench {

// Picks Qt's offscreen platform unless another one is chosen; call before the application.
void UseOffscreenUnlessChosen();

// The folder named by the first argument (default docs/screenshots), made when missing.
QDir ScreenshotFolder(int argc, char** argv);

// Leaves the window alone for five seconds, longer than any of its dialogs' own show timers,
// then saves its picture as `name` in `folder`, with every dialog it shows drawn over it where
// it stands, and prints whether that worked.
void SaveScreenshot(QWidget& window, const QDir& folder, const QString& name);

}  // namespace vt::bench
