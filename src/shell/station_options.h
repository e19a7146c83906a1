#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "plant_options.h"
#include "port_directory.h"

namespace vt {

// How the station was asked to run, from its command line.
struct StationOptions {
    bool simulate = false;  // serve port 1 from an in-process simulated controller
    std::vector<PortDirectory::Override> ports;
    QString databasePath;
    QString recordsPath;         // the batch records file (Records.db beside the database)
    double simTimeFactor = 1.0;  // how much faster the simulated controller runs
    bool openAtStart = false;    // open the port with the saved settings at start-up
    PlantOptions plant;          // the plant's MQTT broker; off unless --mqtt
};

// The records file the options name: the one given, else Records.db beside the database.
QString RecordsPathOf(const StationOptions& options);

// What a command line asks for: run the station with options, or print a text and end.
struct CommandLineVerdict {
    std::optional<StationOptions> options;  // set: run the station
    QString text;                           // otherwise printed: stdout on 0, stderr else
    int exitCode = 0;                       // 0 for --help and --version, 2 for a bad argument
};

// Reads the command line (program name first) without touching the window system, so that
// --help and --version answer with no display.
CommandLineVerdict JudgeCommandLine(const QStringList& arguments);

// Parses the command line; on a bad argument, nothing and a message for the operator.
std::optional<StationOptions> ParseStationOptions(const QStringList& arguments,
                                                  QString* error = nullptr);

// The usage text: every option with its value and meaning.
QString StationUsage();

}  // namespace vt
