#include "record_text.h"

#include <QDate>
#include <QTime>

#include "day_serial.h"

namespace vt {

QString RecordDateText(double serial) {
    const CivilDate date = DateFromDaySerial(serial);
    return QDate(date.year, date.month, date.day).toString(QStringLiteral("yyyy/M/d"));
}

QString RecordTimeText(double fraction) {
    const ClockTime time = TimeFromDayFraction(fraction);
    return QTime(time.hour, time.minute, time.second).toString(QStringLiteral("H:mm:ss"));
}

}  // namespace vt
