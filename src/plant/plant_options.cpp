#include "plant_options.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QUrl>

namespace vt {

namespace {

constexpr int kPlainPort = 1883;
constexpr int kTlsPort = 8883;

const QString kBroker = QStringLiteral("mqtt");
const QString kUser = QStringLiteral("mqtt-user");
const QString kPasswordFile = QStringLiteral("mqtt-password-file");
const QString kCa = QStringLiteral("mqtt-ca");
const QString kStationName = QStringLiteral("station-name");

bool Fail(QString* error, const QString& why) {
    if (error) *error = why;
    return false;
}

}  // namespace

QList<QCommandLineOption> PlantCommandLineOptions() {
    return {
        {kBroker,
         QStringLiteral("Publish to the plant's MQTT broker at mqtt://HOST[:PORT] (1883) or "
                        "mqtts://HOST[:PORT] (8883, TLS)."),
         QStringLiteral("URL")},
        {kUser, QStringLiteral("User name at the broker."), QStringLiteral("NAME")},
        {kPasswordFile,
         QStringLiteral("File holding the broker password (readable by its owner only)."),
         QStringLiteral("FILE")},
        {kCa, QStringLiteral("Certificate authority the broker's TLS certificate must come from."),
         QStringLiteral("FILE")},
        {kStationName,
         QStringLiteral("This station's name in the client identifier and the topics (default "
                        "the host name)."),
         QStringLiteral("NAME")},
    };
}

bool ParseBrokerAddress(const QString& address, PlantOptions& options) {
    const QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != kBroker && scheme != "mqtts"))
        return false;
    if (!url.path().isEmpty() && url.path() != QStringLiteral("/")) return false;
    if (!url.userInfo().isEmpty() || url.hasQuery() || url.hasFragment()) return false;
    options.tls = scheme == QStringLiteral("mqtts");
    options.host = url.host();
    options.port = url.port(options.tls ? kTlsPort : kPlainPort);
    return options.port > 0;
}

std::optional<QString> ReadPasswordFile(const QString& path, QString* error) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode)) {
        Fail(error, QStringLiteral("cannot read the password file %1").arg(path));
        return std::nullopt;
    }
    if ((info.st_mode & (S_IRWXG | S_IRWXO)) != 0) {
        Fail(error, QStringLiteral("the password file %1 may be read by others; make it "
                                   "readable by its owner only (chmod 600 %1)")
                        .arg(path));
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Fail(error, QStringLiteral("cannot read the password file %1").arg(path));
        return std::nullopt;
    }
    return QString::fromUtf8(file.readLine()).remove(QLatin1Char('\n')).remove(QLatin1Char('\r'));
}

bool IsTopicLevel(const QString& name) {
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) &&
           !name.contains(QLatin1Char('+')) && !name.contains(QLatin1Char('#')) &&
           !name.contains(QChar(0));
}

QString OutboxPathBeside(const QString& databasePath) {
    return QFileInfo(databasePath).absoluteDir().filePath(QStringLiteral("Outbox.db"));
}

std::optional<PlantOptions> PlantOptionsFrom(const QCommandLineParser& parser, QString* error) {
    PlantOptions options;
    const QString address = parser.value(kBroker);
    if (address.isEmpty()) {
        const bool stray = parser.isSet(kUser) || parser.isSet(kPasswordFile) || parser.isSet(kCa);
        if (!stray) return options;
        Fail(error, QStringLiteral("--mqtt-user, --mqtt-password-file and --mqtt-ca need --mqtt"));
        return std::nullopt;
    }
    if (!ParseBrokerAddress(address, options)) {
        Fail(error, QStringLiteral("bad --mqtt value: %1 (expected mqtt://HOST[:PORT] or "
                                   "mqtts://HOST[:PORT])")
                        .arg(address));
        return std::nullopt;
    }
    options.user = parser.value(kUser);
    if (parser.isSet(kPasswordFile)) {
        const auto password = ReadPasswordFile(parser.value(kPasswordFile), error);
        if (!password) return std::nullopt;
        options.password = *password;
    }
    options.caFile = parser.value(kCa);
    if (!options.caFile.isEmpty() && !options.tls) {
        Fail(error, QStringLiteral("--mqtt-ca needs an mqtts:// broker"));
        return std::nullopt;
    }
    if (!options.caFile.isEmpty() && !QFileInfo(options.caFile).isReadable()) {
        Fail(error,
             QStringLiteral("cannot read the certificate authority file %1").arg(options.caFile));
        return std::nullopt;
    }
    options.stationName =
        parser.isSet(kStationName) ? parser.value(kStationName) : QSysInfo::machineHostName();
    if (!IsTopicLevel(options.stationName)) {
        Fail(
            error,
            QStringLiteral("bad --station-name: %1 (no '/', '+' or '#')").arg(options.stationName));
        return std::nullopt;
    }
    return options;
}

}  // namespace vt
