#include "temp_station.h"

namespace vt::testing {

TempStation::TempStation() : database(dir.filePath(QStringLiteral("Rdatabj.db"))) {
    database.prepare();
    check = database.connect(QStringLiteral("check"));
}

}  // namespace vt::testing
