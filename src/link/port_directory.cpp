#include "port_directory.h"

#include <sys/stat.h>

#include <QUrl>

namespace vt {

namespace {

const QString kTcpScheme = QStringLiteral("tcp");

std::optional<QUrl> TcpUrl(const QString& text) {
    if (!text.startsWith(kTcpScheme + QStringLiteral("://"), Qt::CaseInsensitive)) return {};
    const QUrl url(text, QUrl::StrictMode);
    const bool bare =
        url.path().isEmpty() && url.userInfo().isEmpty() && !url.hasQuery() && !url.hasFragment();
    if (!url.isValid() || url.host().isEmpty() || !bare) return {};
    if (url.port() == 0) return {};
    return url;
}

}  // namespace

std::optional<PortDirectory::Override> PortDirectory::ParseOverride(const QString& argument) {
    const qsizetype equals = argument.indexOf(QLatin1Char('='));
    if (equals <= 0) return std::nullopt;
    bool ok = false;
    const int port = argument.left(equals).trimmed().toInt(&ok);
    QString device = argument.mid(equals + 1).trimmed();
    if (!ok || !IsValid(port) || device.isEmpty()) return std::nullopt;
    if (device.startsWith(kTcpScheme + QStringLiteral(":"), Qt::CaseInsensitive)) {
        const std::optional<QString> address = NormalisedTcpAddress(device);
        if (!address) return std::nullopt;
        device = *address;
    }
    return Override{port, device};
}

std::optional<QString> PortDirectory::NormalisedTcpAddress(const QString& text) {
    std::optional<QUrl> url = TcpUrl(text);
    if (!url) return std::nullopt;
    url->setScheme(kTcpScheme);
    url->setPort(url->port(kDefaultTcpPort));
    return url->toString();
}

QString PortDirectory::devicePath(int port) const {
    if (!IsValid(port)) return {};
    if (!m_overrides[port].isEmpty()) return m_overrides[port];
    return QStringLiteral("/dev/ttyUSB%1").arg(port - 1);
}

PortEndpoint PortDirectory::endpoint(int port) const {
    const QString device = devicePath(port);
    if (const std::optional<QUrl> url = TcpUrl(device)) {
        return PortEndpoint{{}, url->host(), url->port(kDefaultTcpPort)};
    }
    return PortEndpoint{device, {}, 0};
}

bool PortDirectory::deviceExists(int port) const {
    const PortEndpoint where = endpoint(port);
    struct stat info {};
    return !where.isTcp() && !where.device.isEmpty() &&
           ::stat(where.device.toLocal8Bit().constData(), &info) == 0;
}

void PortDirectory::setDevice(int port, const QString& device) {
    if (IsValid(port)) m_overrides[port] = device;
}

}  // namespace vt
