#include "day_serial.h"

#include <gtest/gtest.h>

using namespace vt;

TEST(DaySerial, CountsDaysFromTheLastDayOf1899) {
    EXPECT_EQ(DaySerialFromDate({1899, 12, 30}), 0.0);
    EXPECT_EQ(DaySerialFromDate({1900, 1, 1}), 2.0);
    EXPECT_EQ(DaySerialFromDate({2000, 1, 1}), 36526.0);
    EXPECT_EQ(DaySerialFromDate({2026, 12, 7}), 46363.0);
}

TEST(DaySerial, RoundTripsAcrossLeapDaysAndTheYearEnd) {
    for (const CivilDate date : {CivilDate{2024, 2, 29}, CivilDate{2023, 12, 31},
                                 CivilDate{2024, 1, 1}, CivilDate{1899, 12, 30}}) {
        EXPECT_EQ(DateFromDaySerial(DaySerialFromDate(date)), date);
    }
    EXPECT_EQ(DateFromDaySerial(46363.75), (CivilDate{2026, 12, 7}));
}

TEST(DayFraction, RoundTripsEverySecondOfTheDay) {
    for (int s = 0; s < 86400; s += 7) {
        const ClockTime t{s / 3600, s / 60 % 60, s % 60};
        EXPECT_EQ(TimeFromDayFraction(DayFractionFromTime(t)), t);
    }
    EXPECT_EQ(DayFractionFromTime({12, 0, 0}), 0.5);
    EXPECT_EQ(TimeFromDayFraction(0.99999999), (ClockTime{0, 0, 0}));
}
