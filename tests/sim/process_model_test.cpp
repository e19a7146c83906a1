#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>
#include <vector>

#include "controller_model.h"

namespace vt::sim {
namespace {

// The loop, its modes and the scaling, on the model alone with simulated time.
class ProcessModelTest : public ::testing::Test {
  protected:
    ControllerModel m_model;
};

TEST_F(ProcessModelTest, PidBringsTheProcessToTheSetValueWithinTheOutputRange) {
    EXPECT_EQ(m_model.input(1), 250);  // ambient 25.0
    m_model.step(1800);
    EXPECT_NEAR(m_model.input(1), 1000, 10);
    EXPECT_GT(m_model.input(2), 0);
    EXPECT_LT(m_model.input(2), 1000);
    EXPECT_EQ(m_model.holding(2), m_model.input(2));  // the output register follows in auto
}

TEST_F(ProcessModelTest, ScalingFollowsUnitTypeAndDecimals) {
    ASSERT_TRUE(m_model.setHolding(4102, 1));  // Fahrenheit: whole degrees
    EXPECT_EQ(m_model.input(1), 77);
    EXPECT_EQ(m_model.input(5), 77);            // input 2 is a temperature sensor as well
    ASSERT_TRUE(m_model.setHolding(4109, 20));  // linear input with two decimals
    ASSERT_TRUE(m_model.setHolding(4112, 2));
    EXPECT_EQ(m_model.input(1), 2500);
    EXPECT_EQ(m_model.input(5), 77);  // input 2 keeps its own scaling
    EXPECT_FALSE(m_model.setHolding(4112, 5));
    EXPECT_FALSE(m_model.setHolding(4102, 3));
    EXPECT_EQ(m_model.holding(4102), 1);
}

TEST_F(ProcessModelTest, Sv2SelectionAndSetValueInputs) {
    ASSERT_TRUE(m_model.setHolding(3, 1500));
    EXPECT_EQ(m_model.input(3), 1500);
    EXPECT_EQ(m_model.input(6), 1500);
    m_model.setCoil(3, true);
    EXPECT_EQ(m_model.input(3), 500);
    EXPECT_EQ(m_model.input(7), 500);
    EXPECT_EQ(m_model.input(14), 500);  // target in tenths
}

TEST_F(ProcessModelTest, ManualOutputTakesOverBumplesslyAndDrivesTheProcess) {
    m_model.step(600);
    const int autoOutput = m_model.input(2);
    m_model.setCoil(1, true);
    EXPECT_EQ(m_model.holding(2), autoOutput);
    ASSERT_TRUE(m_model.setHolding(2, 300));
    EXPECT_EQ(m_model.input(2), 300);
    m_model.step(1800);
    EXPECT_EQ(m_model.input(2), 300);
    EXPECT_NEAR(m_model.input(1), 250 + 5 * 300, 30);  // 5 degC per percent above ambient
    EXPECT_FALSE(m_model.setHolding(2, 1001));
    m_model.setCoil(1, false);
    m_model.step(0.1);
    EXPECT_NEAR(m_model.input(2), 300, 20);  // back in auto from where manual left off
}

TEST_F(ProcessModelTest, StandbyForcesTheOutputToZero) {
    m_model.step(20);
    ASSERT_GT(m_model.input(2), 0);
    m_model.setCoil(4, true);
    m_model.step(1);
    EXPECT_EQ(m_model.input(2), 0);
    m_model.setCoil(4, false);
    m_model.step(1);
    EXPECT_GT(m_model.input(2), 0);
}

TEST_F(ProcessModelTest, AutoTuneEndsByItselfWithNewPidValues) {
    m_model.setCoil(7, true);
    m_model.step(30);
    EXPECT_TRUE(m_model.coil(7));
    EXPECT_EQ(m_model.holding(4353), 300);
    m_model.step(31);
    EXPECT_FALSE(m_model.coil(7));
    EXPECT_NE(m_model.holding(4353), 300);
    EXPECT_NE(m_model.holding(4354), 180);
    EXPECT_EQ(m_model.input(34), m_model.holding(4353));  // the PID in use follows
}

TEST_F(ProcessModelTest, ResettingTheAutoTuneCoilAbortsWithoutNewValues) {
    m_model.setCoil(7, true);
    m_model.step(10);
    m_model.setCoil(7, false);
    m_model.step(60);
    EXPECT_FALSE(m_model.coil(7));
    EXPECT_EQ(m_model.holding(4353), 300);
}

TEST_F(ProcessModelTest, GroupedLimitsSwitchByPvAndClampTheOutput) {
    ASSERT_TRUE(m_model.setHolding(4610 + 1, 40));  // group 1 upper limit 40 %
    ASSERT_TRUE(m_model.setHolding(4609, 1));       // switch by PV: 25.0 is in group 1 (50.0)
    EXPECT_EQ(m_model.input(33), 1);                // PID set of group 1
    EXPECT_EQ(m_model.input(41), 1);
    EXPECT_EQ(m_model.input(42), 40);
    EXPECT_EQ(m_model.input(34), 200);  // grouped band 20 as an input-1 register
    m_model.step(5);                    // the PV stays in group 1 through the dead time
    EXPECT_EQ(m_model.input(2), 400);
    ASSERT_TRUE(m_model.setHolding(4609, 0));
    EXPECT_EQ(m_model.input(33), 0);
    EXPECT_EQ(m_model.input(42), 100);
}

struct Grouping {
    std::vector<std::pair<int, int>> writes;  // holding register, value
    int limitGroup;                           // input 41
    int pidSet;                               // input 33
    int band;                                 // input 34, the band in use as an input-1 register
    int upperLimit;                           // input 42
};

class GroupingTest : public ::testing::TestWithParam<Grouping> {
  protected:
    ControllerModel m_model;  // PV 25.0, SV1 100.0, every group's set number its own
};

// Edits of the table and of the PID sets change what the loop uses and what it reports in use.
TEST_P(GroupingTest, ModeTableAndSetsPickWhatTheLoopUses) {
    for (const auto& [reg, value] : GetParam().writes) {
        ASSERT_TRUE(m_model.setHolding(reg, static_cast<std::int16_t>(value))) << reg;
    }
    EXPECT_EQ(m_model.input(41), GetParam().limitGroup);
    EXPECT_EQ(m_model.input(33), GetParam().pidSet);
    EXPECT_EQ(m_model.input(34), GetParam().band);
    EXPECT_EQ(m_model.input(42), GetParam().upperLimit);
}

INSTANTIATE_TEST_SUITE_P(
    Table, GroupingTest,
    ::testing::Values(
        Grouping{{}, 0, 0, 300, 100},                                   // off: the active set
        Grouping{{{4609, 1}}, 1, 1, 200, 100},                          // by PV: 25.0 in group 1
        Grouping{{{4609, 2}}, 2, 2, 200, 100},                          // by SV: 100.0 in group 2
        Grouping{{{4613, 7}, {5157, 35}, {4609, 1}}, 1, 7, 350, 100},   // group 1 uses set 7
        Grouping{{{4610, 200}, {4615, 60}, {4609, 1}}, 2, 2, 200, 60},  // group 1 ends at 20.0
        Grouping{{{4613, 25}, {4609, 1}}, 1, 0, 300, 100}));  // no such set: the active one

TEST_F(ProcessModelTest, ForcedInputsHoldUntilReleased) {
    m_model.setInput(1, 1234);
    m_model.step(5);
    EXPECT_EQ(m_model.input(1), 1234);
    m_model.releaseForcedInputs();
    EXPECT_NE(m_model.input(1), 1234);
}

}  // namespace
}  // namespace vt::sim
