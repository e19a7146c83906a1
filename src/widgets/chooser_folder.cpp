#include "chooser_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace vt::ChooserFolder {

namespace {
const QString kKey = QStringLiteral("files/lastFolder");

QString Documents() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}
}  // namespace

QString Current() {
    const QString remembered = QSettings().value(kKey).toString();
    return !remembered.isEmpty() && QFileInfo(remembered).isDir() ? remembered : Documents();
}

QString Suggested(const QString& fileName) { return QDir(Current()).filePath(fileName); }

void Remember(const QString& chosenPath) {
    if (chosenPath.isEmpty()) return;
    QSettings().setValue(kKey, QFileInfo(chosenPath).absolutePath());
}

}  // namespace vt::ChooserFolder
