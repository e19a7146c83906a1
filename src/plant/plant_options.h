#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <optional>

namespace vt {

// How the station reaches the plant's MQTT broker, from its command line. Without a broker the
// plant link stays off and nothing of it runs.
struct PlantOptions {
    QString host;  // empty: no plant link
    int port = 0;
    bool tls = false;
    QString user;
    QString password;  // read from the password file, never from the command line
    QString caFile;    // the certificate authority the broker's certificate must come from
    QString stationName;
    QString outboxPath;  // set beside the station database by the station

    bool enabled() const { return !host.isEmpty(); }
};

// The options --mqtt, --mqtt-user, --mqtt-password-file, --mqtt-ca and --station-name.
QList<QCommandLineOption> PlantCommandLineOptions();

// The plant options of a parsed command line; nothing and a message for the operator when one is
// wrong (a bad broker address, a password file that others can read or that cannot be read, a
// station name that cannot stand in a topic).
std::optional<PlantOptions> PlantOptionsFrom(const QCommandLineParser& parser, QString* error);

// mqtt://HOST[:PORT] (1883 unless given) or mqtts://HOST[:PORT] (8883) into `options`.
bool ParseBrokerAddress(const QString& address, PlantOptions& options);

// The first line of a password file that only its owner may read; nothing and why otherwise.
std::optional<QString> ReadPasswordFile(const QString& path, QString* error);

// Whether `name` can stand as one level of a topic (no '/', '+', '#', not empty).
bool IsTopicLevel(const QString& name);

// The outbox file beside the station database.
QString OutboxPathBeside(const QString& databasePath);

}  // namespace vt
