#include "clock_reading.h"

#include <cmath>

#include "day_serial.h"
#include "number_text.h"

namespace vt {

ClockReading ReadClock(const QDateTime& now) {
    const QDate date = now.date();
    const QTime time = now.time();
    return {DaySerialFromDate({date.year(), date.month(), date.day()}),
            DayFractionFromTime({time.hour(), time.minute(), time.second()})};
}

std::int32_t WholeSecondsBetween(double lastDate, double lastTime, const ClockReading& now) {
    const double days = (now.date - lastDate) + (now.time - lastTime);
    return RoundHalfEven(std::fabs(days) * 24 * 60 * 60);
}

}  // namespace vt
