#pragma once

#include <QDateTime>
#include <QString>

#include "trend_picture.h"

namespace vt {

// A day serial as a date in the system's short date format.
QString TrendDateText(double serial);
// A fraction of a day as a time of day, to the second.
QString TrendTimeText(double fraction);
// Date (day serial) and time of day (fraction) of one clock reading, the time truncated to the
// whole second, as the clock readout shows it and live samples keep it.
TrendStamp StampOf(const QDateTime& moment);

}  // namespace vt
