#include "scaling_rule.h"

#include <gtest/gtest.h>

#include "entry_parse.h"
#include "parameter.h"

namespace vt {
namespace {

InputScaling Linear(std::int32_t type, std::int32_t decimals) {
    InputScaling s;
    s.Input1Type = type;
    s.Input1Decimals = decimals;
    return s;
}

InputScaling Celsius() { return InputScaling{}; }  // temperature sensor, one decimal

InputScaling AuxLinear(std::int32_t decimals) {
    InputScaling s;
    s.Input2Type = 14;
    s.Input2Decimals = decimals;
    return s;
}

struct ShownCase {
    ScalingRule rule;
    InputScaling scaling;
    std::int32_t raw;
    const char* text;
};

class ShownTextTest : public ::testing::TestWithParam<ShownCase> {};

TEST_P(ShownTextTest, RegisterValueReadsAsTheOperatorSeesIt) {
    const ShownCase& c = GetParam();
    EXPECT_EQ(ShownText(c.rule, c.raw, c.scaling), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ShownTextTest,
    ::testing::Values(ShownCase{ScalingRule::Raw, Celsius(), -250, "-250"},
                      ShownCase{ScalingRule::Whole, Celsius(), 120, "120"},
                      ShownCase{ScalingRule::Tenths, Celsius(), 25, "2.5"},
                      ShownCase{ScalingRule::Tenths, Celsius(), 0, "0.0"},
                      ShownCase{ScalingRule::Tenths, Celsius(), 30, "3.0"},
                      ShownCase{ScalingRule::Tenths, Celsius(), -5, "-0.5"},
                      ShownCase{ScalingRule::TenthsPlain, Celsius(), 30, "3"},
                      ShownCase{ScalingRule::TenthsPlain, Celsius(), 25, "2.5"},
                      ShownCase{ScalingRule::MainScale, Celsius(), 1000, "100"},
                      ShownCase{ScalingRule::MainScale, Linear(20, 2), 875, "8.75"},
                      ShownCase{ScalingRule::MainWhole, Celsius(), 1005, "100"},  // 100.5 -> even
                      ShownCase{ScalingRule::MainWhole, Celsius(), 1015, "102"},
                      ShownCase{ScalingRule::AuxScale, AuxLinear(3), 1500, "1.5"},
                      ShownCase{ScalingRule::AuxScale, Linear(20, 3), 1500, "150"},  // own input
                      // Millivolt inputs 20..23 hold electrical values in hundredths.
                      ShownCase{ScalingRule::Signal, Linear(19, 0), 12000, "12"},
                      ShownCase{ScalingRule::Signal, Linear(20, 0), 12000, "120"},
                      ShownCase{ScalingRule::Signal, Linear(23, 0), 12000, "120"},
                      ShownCase{ScalingRule::Signal, Linear(24, 0), 12000, "12"}));

struct EntryCase {
    ScalingRule rule;
    InputScaling scaling;
    double entered;
    std::int32_t reg;
};

class RegisterValueTest : public ::testing::TestWithParam<EntryCase> {};

TEST_P(RegisterValueTest, EnteredNumberBecomesTheRegisterValue) {
    const EntryCase& c = GetParam();
    EXPECT_EQ(RegisterValue(c.rule, c.entered, c.scaling), c.reg);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, RegisterValueTest,
    ::testing::Values(EntryCase{ScalingRule::Raw, Celsius(), 1000, 1000},
                      EntryCase{ScalingRule::Raw, Celsius(), 2.5, 2},  // half to even
                      EntryCase{ScalingRule::Whole, Celsius(), 120.9, 120},
                      EntryCase{ScalingRule::Whole, Celsius(), -3.5, -3},
                      EntryCase{ScalingRule::Tenths, Celsius(), 12.5, 125},
                      EntryCase{ScalingRule::Tenths, Celsius(), 0.25, 2},
                      EntryCase{ScalingRule::TenthsPlain, Celsius(), 0.35, 4},
                      EntryCase{ScalingRule::MainScale, Celsius(), 100.0, 1000},
                      EntryCase{ScalingRule::MainScale, Celsius(), 2.5, 25},
                      EntryCase{ScalingRule::MainScale, Linear(14, 1), 50.0, 500},
                      // Whole engineering units first, then scaling.
                      EntryCase{ScalingRule::MainWhole, Celsius(), 100.5, 1000},
                      EntryCase{ScalingRule::MainWhole, Linear(14, 1), 100.4, 1000},
                      EntryCase{ScalingRule::AuxScale, AuxLinear(3), 1.5, 1500},
                      EntryCase{ScalingRule::Signal, Linear(21, 0), 12.5, 1250},
                      EntryCase{ScalingRule::Signal, Linear(5, 0), 12.5, 12500},
                      // Rounded, not cut off: neither product is exact in binary.
                      EntryCase{ScalingRule::Signal, Linear(21, 0), 1.15, 115},
                      EntryCase{ScalingRule::Signal, Linear(5, 0), 1.005, 1005},
                      EntryCase{ScalingRule::Raw, Celsius(), 1e12, 2147483647}));

TEST(EntryParse, FullWidthFormsReadAsTheirAsciiForms) {
    EXPECT_EQ(ParseEntry("１２３"), 123.0);
    EXPECT_EQ(ParseEntry("－１２．５℃"), -12.5);
    EXPECT_EQ(ParseEntry("\u3000＋７"), 7.0);  // ideographic space, full-width plus
    EXPECT_EQ(ParseEntry("度１２"), 0.0);      // anything else keeps the rule: no number, 0
    EXPECT_EQ(NormaliseEntry("ａ１"), "ａ1");  // letters are left alone
}

constexpr OptionEntry kModes[] = {
    {"0:禁止 ", "禁止使用"}, {"1:加热 ", "加热"}, {"2:阀位 ", "阀位"}};

TEST(ParameterDescriptor, EnumerationShowsItsTextsAndWritesTheLeadingCode) {
    const Parameter p = ListParameter(4119, "辅助通道功能", kModes);
    const InputScaling s;
    EXPECT_EQ(ParameterText(p, 0, s), "禁止使用");
    EXPECT_EQ(ParameterText(p, 3, s), std::nullopt);  // no text: the display keeps its text
    EXPECT_EQ(ParameterText(p, -1, s), std::nullopt);
    EXPECT_EQ(ParameterValue(p, "2:阀位 ", s), 2);
    EXPECT_EQ(ParameterValue(p, "7", s), 7);  // a typed code goes as typed, no range test
    EXPECT_EQ(ParameterValue(p, "", s), 0);
}

TEST(ParameterDescriptor, NumberShownAndEnteredByItsOwnRules) {
    Parameter svHigh = NumberParameter(4106, "设定值上限SVHI", ScalingRule::MainScale);
    svHigh.entered = ScalingRule::Raw;  // shown scaled, entered raw
    const InputScaling s;
    EXPECT_EQ(ParameterText(svHigh, 1000, s), "100");
    EXPECT_EQ(ParameterValue(svHigh, "1000", s), 1000);
    Parameter limit = NumberParameter(4611, "输出上限", ScalingRule::Raw);
    limit.range = EntryRange{0, 100};
    EXPECT_EQ(ParameterValue(limit, "99.5", s), 100);
    EXPECT_EQ(ParameterValue(limit, "150", s), std::nullopt);
    EXPECT_EQ(ParameterValue(limit, "abc", s), 0);
}

}  // namespace
}  // namespace vt
