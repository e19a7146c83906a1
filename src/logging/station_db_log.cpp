#include "station_db_log.h"

namespace vt {

Q_LOGGING_CATEGORY(lcStationDb, "station.db")

}  // namespace vt
