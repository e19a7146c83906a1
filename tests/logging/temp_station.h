#pragma once

#include <QTemporaryDir>

#include "db_connection.h"
#include "station_database.h"

namespace vt::testing {

// A prepared station database in a temporary folder, with a connection of its own to check
// what the code under test wrote.
struct TempStation {
    TempStation();

    QTemporaryDir dir;
    StationDatabase database;
    DbConnection check;
};

}  // namespace vt::testing
