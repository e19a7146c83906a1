#pragma once

#include <QDateTime>
#include <cstdint>

namespace vt {

// The clock as the logger reads it: the local date as a day serial and the time of day as a
// fraction of a day, to the whole second.
struct ClockReading {
    double date = 0.0;
    double time = 0.0;
};

ClockReading ReadClock(const QDateTime& now);

// Whole seconds between a record's date and time and a clock reading, either way round (a clock
// set back counts as time passed), to the nearest second with halves to even.
std::int32_t WholeSecondsBetween(double lastDate, double lastTime, const ClockReading& now);

}  // namespace vt
