#include "value_conversion.h"

#include <gtest/gtest.h>

#include "number_text.h"

using namespace vt;

TEST(ValueConversion, LinearInputUsesItsDecimals) {
    InputScaling s;
    s.Input1Type = 20;
    s.Input1Decimals = 2;
    EXPECT_FLOAT_EQ(RawToValue1(s, 875), 8.75f);
    EXPECT_EQ(RoundHalfEven(ValueToRaw1(s, 8.75f)), 875);
}

TEST(ValueConversion, TypeFourteenIsAlreadyLinear) {
    InputScaling s;
    s.Input1Type = 14;
    s.Input1Decimals = 0;
    EXPECT_FLOAT_EQ(RawToValue1(s, 1234), 1234.0f);
}

struct UnitCase {
    std::int32_t unit;
    float value;  // of raw 2931 on a temperature sensor
    int decimals;
};

class TemperatureUnit : public ::testing::TestWithParam<UnitCase> {};

// One decimal place in Celsius (0) and Kelvin (2) only; Fahrenheit and any other code whole.
TEST_P(TemperatureUnit, DecidesTheDecimalPlaceAlone) {
    InputScaling s;
    s.Input1Type = 13;
    s.Input1Decimals = 3;  // ignored for temperature sensors
    s.TempUnit = GetParam().unit;
    EXPECT_FLOAT_EQ(RawToValue1(s, 2931), GetParam().value);
    EXPECT_EQ(RoundHalfEven(ValueToRaw1(s, GetParam().value)), 2931);
    EXPECT_EQ(ValueDecimals1(s), GetParam().decimals);
}

INSTANTIATE_TEST_SUITE_P(Codes, TemperatureUnit,
                         ::testing::Values(UnitCase{0, 293.1f, 1}, UnitCase{1, 2931.0f, 0},
                                           UnitCase{2, 293.1f, 1}, UnitCase{3, 2931.0f, 0},
                                           UnitCase{-1, 2931.0f, 0}, UnitCase{255, 2931.0f, 0}));

TEST(ValueConversion, EachInputUsesItsOwnDecimals) {
    InputScaling s;
    s.Input2Type = 14;
    s.Input2Decimals = 3;
    s.Input1Type = 14;
    s.Input1Decimals = 1;
    EXPECT_FLOAT_EQ(RawToValue2(s, 1500), 1.5f);
    EXPECT_EQ(RoundHalfEven(ValueToRaw2(s, 1.5f)), 1500);
    EXPECT_FLOAT_EQ(RawToValue1(s, 1500), 150.0f);
    EXPECT_EQ(ValueDecimals2(s), 3);
    EXPECT_EQ(ValueDecimals1(s), 1);
}

TEST(ValueConversion, UnreadSettingsMeanCelsiusWithOneDecimal) {
    const InputScaling s;
    EXPECT_FLOAT_EQ(RawToValue1(s, 1234), 123.4f);
    EXPECT_FLOAT_EQ(RawToValue2(s, -50), -5.0f);
    EXPECT_FLOAT_EQ(ValueToRaw1(s, 3000.0f), 30000.0f);
}
