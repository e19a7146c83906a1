#pragma once

#include <QString>
#include <vector>

#include "alarm_types.h"
#include "db_connection.h"
#include "prepared_statement.h"

namespace vt {

// The alarm transitions in the station database (table alarm_log, indexed by day and by
// source), on a connection of its own. Each transition is added and the table trimmed to the
// newest `kept` rows in one transaction. A failed write is logged and never stops the station.
class AlarmStore {
  public:
    static constexpr int kKept = 100'000;

    explicit AlarmStore(const QString& databasePath, int kept = kKept);
    ~AlarmStore();

    // Makes the table and its indexes when missing.
    static bool CreateTable(QSqlDatabase& db);

    // Adds `t` and sets its id; false when it could not be written.
    bool append(AlarmTransition& t);
    // The last transition of every source that has one (what stood when the station stopped).
    std::vector<AlarmTransition> lastOfEachSource();

  private:
    DbConnection m_db;
    PreparedStatement m_add;
    PreparedStatement m_trim;
    int m_kept;
};

}  // namespace vt
