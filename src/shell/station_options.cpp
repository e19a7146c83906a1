#include "station_options.h"

#include <QCommandLineParser>
#include <functional>

#include "records_file.h"
#include "station_database.h"
#include "station_version.h"

namespace vt {

namespace {

// Takes one value of an option into the options; a reason when the value is malformed.
using TakeValue = std::function<QString(const QString& value, StationOptions& options)>;

// One option of the command line. A flag has no value name and sets its field.
struct OptionEntry {
    QCommandLineOption option;
    TakeValue take;
};

OptionEntry Flag(const char* name, const char* meaning, bool StationOptions::*field) {
    return {QCommandLineOption(QString::fromLatin1(name), QString::fromUtf8(meaning)),
            [field](const QString&, StationOptions& options) {
                options.*field = true;
                return QString();
            }};
}

OptionEntry Valued(const char* name, const char* valueName, const char* meaning, TakeValue take) {
    return {QCommandLineOption(QString::fromLatin1(name), QString::fromUtf8(meaning),
                               QString::fromLatin1(valueName)),
            std::move(take)};
}

QString TakePort(const QString& value, StationOptions& options) {
    const auto parsed = PortDirectory::ParseOverride(value);
    if (!parsed) {
        return QStringLiteral(
                   "bad --port value: %1 (expected N=DEVICE or N=tcp://HOST[:PORT], N 1..20)")
            .arg(value);
    }
    options.ports.push_back(*parsed);
    return {};
}

// Adding an option is one entry here (and its field in StationOptions).
const std::vector<OptionEntry>& OptionTable() {
    static const std::vector<OptionEntry> table = {
        Flag("simulate", "Serve port 1 from a simulated controller.", &StationOptions::simulate),
        Valued("port", "N=DEVICE",
               "Port number N (1..20) is the serial DEVICE (a /dev/serial/by-id name is followed "
               "at each open), or the Modbus TCP server tcp://HOST[:PORT] (port 502 unless "
               "given) (repeatable).",
               TakePort),
        Valued("database", "PATH", "Database file (created when missing).",
               [](const QString& value, StationOptions& options) {
                   options.databasePath = value;
                   return QString();
               }),
        Flag("open", "Open the port with the saved settings at start.",
             &StationOptions::openAtStart),
        Valued("records", "PATH",
               "The batch records file (default: Records.db beside the database).",
               [](const QString& value, StationOptions& options) {
                   options.recordsPath = value;
                   return QString();
               }),
        Valued("sim-time-factor", "F",
               "Run the simulated controller's process and programs F times faster.",
               [](const QString& value, StationOptions& options) {
                   bool ok = false;
                   options.simTimeFactor = value.toDouble(&ok);
                   if (ok && options.simTimeFactor > 0.0) return QString();
                   return QStringLiteral("bad --sim-time-factor value: %1 (a number above 0)")
                       .arg(value);
               }),
    };
    return table;
}

const QCommandLineOption& HelpOption() {
    static const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                         QStringLiteral("Show this text."));
    return help;
}

const QCommandLineOption& VersionOption() {
    static const QCommandLineOption version(QStringLiteral("version"),
                                            QStringLiteral("Show the version number."));
    return version;
}

QString UsageLine(const QCommandLineOption& option) {
    QStringList names;
    for (const QString& name : option.names()) {
        names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    }
    QString line = names.join(QStringLiteral(", "));
    if (!option.valueName().isEmpty()) line += QLatin1Char(' ') + option.valueName();
    return QStringLiteral("  %1  %2\n").arg(line, -22).arg(option.description());
}

CommandLineVerdict Refusal(const QString& reason) {
    return {std::nullopt, QStringLiteral("vtstation: %1\n\n%2").arg(reason, StationUsage()), 2};
}

}  // namespace

QString StationUsage() {
    QString text = QStringLiteral(
        "Usage: vtstation [options]\n"
        "Operator station for one VT5800 process controller over Modbus RTU or TCP.\n\n");
    for (const OptionEntry& entry : OptionTable()) text += UsageLine(entry.option);
    for (const QCommandLineOption& option : PlantCommandLineOptions()) text += UsageLine(option);
    text += UsageLine(VersionOption());
    text += UsageLine(HelpOption());
    return text;
}

CommandLineVerdict JudgeCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(HelpOption());
    parser.addOption(VersionOption());
    for (const OptionEntry& entry : OptionTable()) parser.addOption(entry.option);
    parser.addOptions(PlantCommandLineOptions());
    if (!parser.parse(arguments)) return Refusal(parser.errorText());
    if (!parser.positionalArguments().isEmpty()) {
        return Refusal(QStringLiteral("unexpected argument '%1'")
                           .arg(parser.positionalArguments().constFirst()));
    }
    if (parser.isSet(HelpOption())) return {std::nullopt, StationUsage(), 0};
    if (parser.isSet(VersionOption())) {
        return {std::nullopt, QStringLiteral("vtstation %1\n").arg(kStationVersion), 0};
    }
    StationOptions options;
    for (const OptionEntry& entry : OptionTable()) {
        const QStringList values = entry.option.valueName().isEmpty()
                                       ? QStringList(parser.isSet(entry.option) ? 1 : 0, QString())
                                       : parser.values(entry.option);
        for (const QString& value : values) {
            const QString reason = entry.take(value, options);
            if (!reason.isEmpty()) return Refusal(reason);
        }
    }
    if (options.databasePath.isEmpty()) options.databasePath = StationDatabase::DefaultPath();
    options.recordsPath = RecordsPathOf(options);
    QString plantError;
    const auto plant = PlantOptionsFrom(parser, &plantError);
    if (!plant) return Refusal(plantError);
    options.plant = *plant;
    options.plant.outboxPath = OutboxPathBeside(options.databasePath);
    return {options, {}, 0};
}

std::optional<StationOptions> ParseStationOptions(const QStringList& arguments, QString* error) {
    CommandLineVerdict verdict = JudgeCommandLine(arguments);
    if (!verdict.options && error) *error = verdict.text;
    return verdict.options;
}

QString RecordsPathOf(const StationOptions& options) {
    return options.recordsPath.isEmpty() ? RecordsFile::besideDatabase(options.databasePath)
                                         : options.recordsPath;
}

}  // namespace vt
