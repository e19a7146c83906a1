#pragma once

namespace vt {

// Dates are day serials: whole days since 30 December 1899. Times of day are fractions of a
// day (0 <= t < 1). Records keep the two in separate fields.

struct CivilDate {
    int year = 1899;
    int month = 12;
    int day = 30;
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

struct ClockTime {
    int hour = 0;
    int minute = 0;
    int second = 0;
    friend bool operator==(const ClockTime&, const ClockTime&) = default;
};

double DaySerialFromDate(const CivilDate& date);
CivilDate DateFromDaySerial(double serial);  // the whole-day part of the serial

double DayFractionFromTime(const ClockTime& time);
ClockTime TimeFromDayFraction(double fraction);  // to the nearest second

// Julian day number of day serial 0, for toolkits that count days that way.
inline constexpr long long kJulianDayOfSerialZero = 2415019;

}  // namespace vt
