#include "station_options.h"

#include <QCommandLineParser>

#include "records_file.h"
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
    const QCommandLineOption records(
        QStringLiteral("records"),
        QStringLiteral("The batch records file (default: Records.db beside the database)."),
        QStringLiteral("PATH"));
    const QCommandLineOption timeFactor(
        QStringLiteral("sim-time-factor"),
        QStringLiteral("Run the simulated controller's process and programs F times faster."),
        QStringLiteral("F"));
    parser.addOptions({simulate, port, open, StationDatabase::pathOption(), records, timeFactor});
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
    options.databasePath = StationDatabase::pathFrom(parser);
    options.recordsPath = parser.isSet(records) ? parser.value(records)
                                                : RecordsFile::besideDatabase(options.databasePath);
    if (parser.isSet(timeFactor)) {
        bool ok = false;
        options.simTimeFactor = parser.value(timeFactor).toDouble(&ok);
        if (!ok || options.simTimeFactor <= 0.0) {
            if (error) *error = QStringLiteral("bad --sim-time-factor value (a number above 0)");
            return std::nullopt;
        }
    }
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
    return options;
}

}  // namespace vt
