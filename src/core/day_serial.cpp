#include "day_serial.h"

#include <cmath>

namespace vt {

namespace {

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's civil calendar algorithm).
long long DaysFromCivil(int year, int month, int day) {
    year -= month <= 2;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const long long yearOfEra = year - era * 400;
    const long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

CivilDate CivilFromDays(long long days) {
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long monthIndex = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    const int month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    const int year = static_cast<int>(yearOfEra + era * 400 + (month <= 2));
    return {year, month, day};
}

const long long kEpochOffset = DaysFromCivil(1899, 12, 30);

}  // namespace

double DaySerialFromDate(const CivilDate& date) {
    return static_cast<double>(DaysFromCivil(date.year, date.month, date.day) - kEpochOffset);
}

CivilDate DateFromDaySerial(double serial) {
    return CivilFromDays(static_cast<long long>(std::floor(serial)) + kEpochOffset);
}

double DayFractionFromTime(const ClockTime& time) {
    return (time.hour * 3600.0 + time.minute * 60.0 + time.second) / 86400.0;
}

ClockTime TimeFromDayFraction(double fraction) {
    long long seconds = std::llround((fraction - std::floor(fraction)) * 86400.0) % 86400;
    return {static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60),
            static_cast<int>(seconds % 60)};
}

}  // namespace vt
