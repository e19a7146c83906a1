#pragma once

#include <QSqlQuery>

#include "ring_record.h"

namespace vt {

// The ring record on the current row of a query over a ring table: id, date, time and the
// logged values, in the table's column order.
RingRecord RingRecordOf(const QSqlQuery& query);

}  // namespace vt
