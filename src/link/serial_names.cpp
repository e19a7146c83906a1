#include "serial_names.h"

#include <QDir>
#include <QFileInfo>

namespace vt::SerialNames {

QString LinkTarget(const QString& device) {
    const QFileInfo info(device);
    return info.isSymLink() ? info.canonicalFilePath() : QString();
}

QString StableName(const QString& device, const QString& byIdFolder) {
    const QString node = QFileInfo(device).canonicalFilePath();
    if (node.isEmpty()) return {};
    const QFileInfoList links = QDir(byIdFolder).entryInfoList(QDir::System | QDir::Files);
    for (const QFileInfo& link : links) {
        if (link.isSymLink() && link.canonicalFilePath() == node) return link.fileName();
    }
    return {};
}

QString DeviceCaption(const QString& device, const QString& byIdFolder) {
    const QString target = LinkTarget(device);
    if (!target.isEmpty()) return QStringLiteral("%1 → %2").arg(device, target);
    const QString stable = StableName(device, byIdFolder);
    return stable.isEmpty() ? device : QStringLiteral("%1  %2").arg(device, stable);
}

}  // namespace vt::SerialNames
