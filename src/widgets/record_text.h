#pragma once

#include <QString>

namespace vt {

// The date and time of a stored record as the table windows show them: a day serial as
// "yyyy/M/d" and a fraction of a day as "H:mm:ss".
QString RecordDateText(double serial);
QString RecordTimeText(double fraction);

}  // namespace vt
