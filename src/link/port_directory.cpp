#include "port_directory.h"

namespace vt {

std::optional<PortDirectory::Override> PortDirectory::ParseOverride(const QString& argument) {
    const qsizetype equals = argument.indexOf(QLatin1Char('='));
    if (equals <= 0) return std::nullopt;
    bool ok = false;
    const int port = argument.left(equals).trimmed().toInt(&ok);
    const QString device = argument.mid(equals + 1).trimmed();
    if (!ok || !IsValid(port) || device.isEmpty()) return std::nullopt;
    return Override{port, device};
}

QString PortDirectory::devicePath(int port) const {
    if (!IsValid(port)) return {};
    if (!m_overrides[port].isEmpty()) return m_overrides[port];
    return QStringLiteral("/dev/ttyUSB%1").arg(port - 1);
}

void PortDirectory::setDevice(int port, const QString& device) {
    if (IsValid(port)) m_overrides[port] = device;
}

}  // namespace vt
