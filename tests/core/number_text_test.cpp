#include "number_text.h"

#include <gtest/gtest.h>

#include <limits>

using vt::FormatNumber;
using vt::LeadingNumber;
using vt::RoundHalfEven;

TEST(LeadingNumber, TakesTheNumberAtTheStartOfAnEntry) {
    EXPECT_EQ(LeadingNumber("3: 38400 BPS"), 3.0);
    EXPECT_EQ(LeadingNumber("8: 921600 BPS"), 8.0);
    EXPECT_EQ(LeadingNumber("7 "), 7.0);
    EXPECT_EQ(LeadingNumber("  -12.5e1x"), -125.0);
    EXPECT_EQ(LeadingNumber("4:结束 "), 4.0);
    EXPECT_EQ(LeadingNumber("+.5"), 0.5);
    EXPECT_EQ(LeadingNumber("100.1"), 100.1);
}

TEST(LeadingNumber, TextWithoutANumberCountsAsZero) {
    EXPECT_EQ(LeadingNumber("abc"), 0.0);
    EXPECT_EQ(LeadingNumber(""), 0.0);
    EXPECT_EQ(LeadingNumber("   "), 0.0);
    EXPECT_EQ(LeadingNumber("-"), 0.0);
    EXPECT_EQ(LeadingNumber("."), 0.0);
    EXPECT_EQ(LeadingNumber("e5"), 0.0);
}

TEST(LeadingNumber, AnExponentWithoutDigitsEndsTheNumber) {
    EXPECT_EQ(LeadingNumber("3e"), 3.0);
    EXPECT_EQ(LeadingNumber("3e+"), 3.0);
    EXPECT_EQ(LeadingNumber("2E-1"), 0.2);
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-3.5), -4);
    EXPECT_EQ(RoundHalfEven(2.4999), 2);
    EXPECT_EQ(RoundHalfEven(1000.0), 1000);
}

TEST(RoundHalfEven, SaturatesInsteadOfOverflowing) {
    EXPECT_EQ(RoundHalfEven(1e12), 2147483647);
    EXPECT_EQ(RoundHalfEven(-1e12), -2147483647 - 1);
    EXPECT_EQ(RoundHalfEven(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(FormatNumber, ShortestGeneralFormWithSevenDigits) {
    EXPECT_EQ(FormatNumber(45.6f), "45.6");
    EXPECT_EQ(FormatNumber(2.5), "2.5");
    EXPECT_EQ(FormatNumber(100), "100");
    EXPECT_EQ(FormatNumber(0.1f), "0.1");
    EXPECT_EQ(FormatNumber(-3), "-3");
    EXPECT_EQ(FormatNumber(-0.0), "0");
    EXPECT_EQ(FormatNumber(123.4f), "123.4");
    EXPECT_EQ(FormatNumber(12345678), "1.234568E+07");
}
