#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "port_directory.h"

namespace vt {

// How the station was asked to run, from its command line.
struct StationOptions {
    bool simulate = false;  // serve port 1 from an in-process simulated controller
    std::vector<PortDirectory::Override> ports;
    QString databasePath;
    QString recordsPath;        // the batch records file (Records.db beside the database)
    double simTimeFactor = 1.0;  // how much faster the simulated controller runs
    bool openAtStart = false;  // open the port with the saved settings at start-up
};

// Parses the command line; on a bad argument, nothing and a message for the operator.
std::optional<StationOptions> ParseStationOptions(const QStringList& arguments,
                                                  QString* error = nullptr);

}  // namespace vt
