#include <gtest/gtest.h>

#include "controller_model.h"

namespace vt::sim {
namespace {

// The settings of the current curve that change what the station shows while it runs, on the
// model alone. Curve 0 cut down to one segment: to 100.0 in one unit of time.
enum Input { Output = 2, State = 4097, Target = 4098, Segment = 4100, SegmentLeft = 4101 };

class ProgramSettingsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_model.setHolding(8196, 1));  // one segment
        ASSERT_TRUE(m_model.setHolding(8195, 2));  // seconds
        ASSERT_TRUE(m_model.setHolding(8210, 10));
    }
    ControllerModel m_model;  // the process starts at 25.0
};

struct UnitCase {
    std::int16_t unit;
    double seconds;  // per unit
};

class TimeUnitTest : public ProgramSettingsTest, public ::testing::WithParamInterface<UnitCase> {};

TEST_P(TimeUnitTest, SegmentTimesCountInTheCurvesUnit) {
    ASSERT_TRUE(m_model.setHolding(8195, GetParam().unit));
    ASSERT_TRUE(m_model.setHolding(8210, 2));
    m_model.setCoil(2, true);
    EXPECT_EQ(m_model.input(SegmentLeft), 2);
    m_model.step(GetParam().seconds);
    EXPECT_EQ(m_model.input(Target), 625);  // halfway from 25.0 to 100.0
    EXPECT_EQ(m_model.input(SegmentLeft), 1);
    m_model.step(GetParam().seconds + 0.2);
    EXPECT_EQ(m_model.input(State), 4);
}

INSTANTIATE_TEST_SUITE_P(Units, TimeUnitTest,
                         ::testing::Values(UnitCase{0, 3600.0}, UnitCase{1, 60.0},
                                           UnitCase{2, 1.0}));

TEST_F(ProgramSettingsTest, EndOutputZeroSwitchesTheOutputOffAtTheEnd) {
    for (const bool keep : {true, false}) {
        ASSERT_TRUE(m_model.setHolding(8200, keep ? 1 : 0));
        m_model.setCoil(2, true);
        m_model.step(11);
        ASSERT_EQ(m_model.input(State), 4);
        EXPECT_EQ(m_model.input(Output) > 0, keep);  // still 75 degrees short of 100.0
        m_model.setCoil(2, false);
    }
}

TEST_F(ProgramSettingsTest, StartValueIsTheMeasuredOrTheSetValue) {
    ASSERT_TRUE(m_model.setHolding(8209, 2000));
    for (const auto& [select, halfway] : {std::pair{0, 1125}, std::pair{1, 1500}}) {
        ASSERT_TRUE(m_model.setHolding(8199, static_cast<std::int16_t>(select)));
        m_model.setCoil(2, true);  // SV1 is 100.0
        m_model.step(5);
        EXPECT_EQ(m_model.input(Target), halfway) << select;
        m_model.setCoil(2, false);
    }
}

TEST_F(ProgramSettingsTest, ProgramRepeatsRunTheCurveAgain) {
    ASSERT_TRUE(m_model.setHolding(8197, 2));
    m_model.setCoil(2, true);
    m_model.step(11);
    EXPECT_EQ(m_model.input(State), 1);
    EXPECT_EQ(m_model.input(Segment), 1);
    m_model.step(10);
    EXPECT_EQ(m_model.input(State), 4);
}

TEST_F(ProgramSettingsTest, EveryCurveKeepsAllItsSegments) {
    for (std::int16_t c = 0; c < 9; ++c) {
        ASSERT_TRUE(m_model.setHolding(7, c));
        ASSERT_TRUE(m_model.setHolding(8398, static_cast<std::int16_t>(c + 1)));
        ASSERT_TRUE(m_model.setHolding(8208, static_cast<std::int16_t>(c + 10)));
    }
    for (std::int16_t c = 0; c < 9; ++c) {
        ASSERT_TRUE(m_model.setHolding(7, c));
        EXPECT_EQ(m_model.holding(8398), c + 1);
        EXPECT_EQ(m_model.holding(8208), c + 10);
    }
}

}  // namespace
}  // namespace vt::sim
