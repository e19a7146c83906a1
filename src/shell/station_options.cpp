#include "station_options.h"

#include <QCommandLineParser>

#include "station_database.h"

namespace vt {

std::optional<StationOptions> ParseStationOptions(const QStringList& arguments, QString* error) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("VT5800 operator station"));
    parser.addHelpOption();
    const QCommandLineOption simulate(QStringLiteral("simulate"),
                                      QStringLiteral("Serve port 1 from a simulated controller."));
    const QCommandLineOption port(
        QStringLiteral("port"),
        QStringLiteral("Port number N (1..20) is the serial DEVICE, or the Modbus TCP server "
                       "tcp://HOST[:PORT] (port 502 unless given) (repeatable)."),
        QStringLiteral("N=DEVICE"));
    const QCommandLineOption open(QStringLiteral("open"),
                                  QStringLiteral("Open the port with the saved settings at start."));
    parser.addOptions({simulate, port, open, StationDatabase::PathOption()});
    parser.addOptions(PlantCommandLineOptions());
    if (!parser.parse(arguments)) {
        if (error) *error = parser.errorText();
        return std::nullopt;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        if (error) *error = parser.helpText();
        return std::nullopt;
    }
    StationOptions options;
    options.simulate = parser.isSet(simulate);
    options.openAtStart = parser.isSet(open);
    options.databasePath = StationDatabase::PathFrom(parser);
    for (const QString& value : parser.values(port)) {
        const auto parsed = PortDirectory::ParseOverride(value);
        if (!parsed) {
            if (error) {
                *error = QStringLiteral(
                             "bad --port value: %1 (expected N=DEVICE or N=tcp://HOST[:PORT], "
                             "N 1..20)")
                             .arg(value);
            }
            return std::nullopt;
        }
        options.ports.push_back(*parsed);
    }
    const auto plant = PlantOptionsFrom(parser, error);
    if (!plant) return std::nullopt;
    options.plant = *plant;
    options.plant.outboxPath = OutboxPathBeside(options.databasePath);
    return options;
}

}  // namespace vt
