#pragma once

#include <QSqlQuery>
#include <QVariantList>

#include "alarm_types.h"

namespace vt {

// The columns of the alarm table (alarm_log) in the order every statement uses them.
inline constexpr const char* kAlarmColumns =
    "id, a_date, at_ms, source, kind, state, text, value, who, comment, count, raised_ms, "
    "until_ms";

// A transition from the current row of `query` (selected with kAlarmColumns).
AlarmTransition AlarmTransitionOf(const QSqlQuery& query);
// The values to bind after the id, in the order of kAlarmColumns.
QVariantList AlarmRowValues(const AlarmTransition& t);

}  // namespace vt
