#include "trend_text.h"

#include <QLocale>
#include <cmath>

#include "day_serial.h"

namespace vt {

QString TrendDateText(double serial) {
    const auto day = static_cast<qint64>(std::floor(serial));
    return QLocale::system().toString(QDate::fromJulianDay(kJulianDayOfSerialZero + day),
                                      QLocale::ShortFormat);
}

QString TrendTimeText(double fraction) {
    const ClockTime t = TimeFromDayFraction(fraction);
    return QTime(t.hour, t.minute, t.second).toString(QStringLiteral("HH:mm:ss"));
}

TrendStamp StampOf(const QDateTime& moment) {
    const double date = static_cast<double>(moment.date().toJulianDay() - kJulianDayOfSerialZero);
    const QTime t = moment.time();
    return {date, DayFractionFromTime({t.hour(), t.minute(), t.second()})};
}

}  // namespace vt
