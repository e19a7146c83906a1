#pragma once

#include <QLoggingCategory>

namespace vt {

// Messages of the database layer and the data logger ("station.db").
Q_DECLARE_LOGGING_CATEGORY(lcStationDb)

}  // namespace vt
