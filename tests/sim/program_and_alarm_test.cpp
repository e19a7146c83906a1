#include <gtest/gtest.h>

#include <array>

#include "controller_model.h"

namespace vt::sim {
namespace {

// Program status inputs 4097.. and alarm registers, on the model alone.
enum Status {
    State = 4097,
    Target = 4098,
    SegmentEnd = 4099,
    Segment = 4100,
    SegmentLeft = 4101,
    TotalLeft = 4102,
    Waiting = 4104,
    Loops = 4105
};

class ProgramTest : public ::testing::Test {
  protected:
    // Curve 0 in seconds: 10 s ramp to 100.0, 20 s soak, 10 s down to 50.0, 10 s soak.
    void SetUp() override { ASSERT_TRUE(m_model.setHolding(8195, 2)); }
    ControllerModel m_model;
};

TEST_F(ProgramTest, RunsThroughItsSegmentsAndEnds) {
    m_model.setCoil(2, true);
    EXPECT_EQ(m_model.input(State), 1);
    EXPECT_EQ(m_model.holding(8), 1);
    EXPECT_EQ(m_model.input(Segment), 1);
    EXPECT_EQ(m_model.input(TotalLeft), 50);
    m_model.step(5);
    EXPECT_EQ(m_model.input(Target), 625);  // halfway from 25.0 to 100.0
    EXPECT_EQ(m_model.input(3), 625);       // the program target is the set value
    EXPECT_EQ(m_model.input(SegmentLeft), 5);
    m_model.step(10);
    EXPECT_EQ(m_model.input(Segment), 2);
    EXPECT_EQ(m_model.input(SegmentEnd), 1000);
    m_model.step(20);
    EXPECT_EQ(m_model.input(Segment), 3);
    m_model.step(20);
    EXPECT_EQ(m_model.input(State), 4);
    EXPECT_EQ(m_model.holding(8), 4);
    EXPECT_TRUE(m_model.coil(2));
    EXPECT_EQ(m_model.input(3), 500);  // keeps controlling at the last set point
}

TEST_F(ProgramTest, PauseFreezesTheProgramAndRunResumesIt) {
    ASSERT_TRUE(m_model.setHolding(8, 1));
    m_model.step(5);
    ASSERT_TRUE(m_model.setHolding(8, 2));
    EXPECT_EQ(m_model.input(State), 2);
    m_model.step(60);
    EXPECT_EQ(m_model.input(Segment), 1);
    EXPECT_EQ(m_model.input(SegmentLeft), 5);
    ASSERT_TRUE(m_model.setHolding(8, 1));
    m_model.step(6);
    EXPECT_EQ(m_model.input(Segment), 2);
}

TEST_F(ProgramTest, StopJumpAndEndCommands) {
    m_model.setCoil(2, true);
    ASSERT_TRUE(m_model.setHolding(6, 3));
    EXPECT_EQ(m_model.input(Segment), 3);
    ASSERT_TRUE(m_model.setHolding(8, 4));
    EXPECT_EQ(m_model.input(State), 4);
    m_model.setCoil(2, false);
    EXPECT_EQ(m_model.input(State), 0);
    EXPECT_EQ(m_model.holding(8), 0);
    EXPECT_EQ(m_model.input(3), 1000);  // back to SV1
}

TEST_F(ProgramTest, SegmentLoopRepeatsBeforeTheProgramGoesOn) {
    ASSERT_TRUE(m_model.setHolding(8201, 2));  // two more passes over segments 1..2
    ASSERT_TRUE(m_model.setHolding(8202, 1));
    ASSERT_TRUE(m_model.setHolding(8203, 2));
    m_model.setCoil(2, true);
    EXPECT_EQ(m_model.input(TotalLeft), 110);
    m_model.step(35);
    EXPECT_EQ(m_model.input(Loops), 1);
    EXPECT_EQ(m_model.input(Segment), 1);
    m_model.step(70);
    EXPECT_EQ(m_model.input(Loops), 2);
    EXPECT_EQ(m_model.input(State), 1);
    m_model.step(10);
    EXPECT_EQ(m_model.input(State), 4);
}

TEST_F(ProgramTest, DeviationWaitHoldsTheSegmentEndUntilThePvArrives) {
    ASSERT_TRUE(m_model.setHolding(8193, 3));  // band wait of 1.0
    ASSERT_TRUE(m_model.setHolding(8194, 10));
    m_model.setCoil(2, true);
    m_model.step(11);
    EXPECT_EQ(m_model.input(Segment), 1);
    EXPECT_EQ(m_model.input(Waiting), 1);
    m_model.step(600);
    EXPECT_EQ(m_model.input(Waiting), 0);
    EXPECT_GE(m_model.input(Segment), 2);
}

TEST_F(ProgramTest, TheWindowShowsTheSelectedCurve) {
    ASSERT_TRUE(m_model.setHolding(7, 3));
    EXPECT_EQ(m_model.holding(8209), 2500);  // curve 3 peaks at 250.0
    EXPECT_EQ(m_model.holding(8195), 1);     // the seconds unit was written to curve 0 only
    ASSERT_TRUE(m_model.setHolding(8196, 2));
    ASSERT_TRUE(m_model.setHolding(7, 0));
    EXPECT_EQ(m_model.holding(8196), 4);
    EXPECT_EQ(m_model.holding(8209), 1000);
    ASSERT_TRUE(m_model.setHolding(7, 3));
    EXPECT_EQ(m_model.holding(8196), 2);
}

class AlarmTest : public ::testing::Test {
  protected:
    ControllerModel m_model;  // PV stays at 25.0 while time does not move
};

TEST_F(AlarmTest, HighAlarmWithHysteresis) {
    ASSERT_TRUE(m_model.setHolding(257, 200));  // high alarm at 20.0, hysteresis 1.0
    EXPECT_EQ(m_model.input(8), 1);
    EXPECT_TRUE(m_model.discreteInput(1));
    ASSERT_TRUE(m_model.setHolding(257, 255));  // 0.5 below: still inside the hysteresis
    EXPECT_TRUE(m_model.discreteInput(1));
    ASSERT_TRUE(m_model.setHolding(257, 265));
    EXPECT_FALSE(m_model.discreteInput(1));
    EXPECT_EQ(m_model.input(8), 0);
}

TEST_F(AlarmTest, DelayHoldsTheAlarmBack) {
    ASSERT_TRUE(m_model.setHolding(259, 10));
    ASSERT_TRUE(m_model.setHolding(257, 200));
    m_model.setCoil(4, true);  // standby keeps the PV at ambient
    m_model.step(5);
    EXPECT_FALSE(m_model.discreteInput(1));
    m_model.step(6);
    EXPECT_TRUE(m_model.discreteInput(1));
}

TEST_F(AlarmTest, StatusCodeIsTheAlarmType) {
    ASSERT_TRUE(m_model.setHolding(260, 300));  // alarm 2 low at 30.0
    EXPECT_EQ(m_model.input(9), 2);
    EXPECT_TRUE(m_model.discreteInput(2));
    ASSERT_TRUE(m_model.setHolding(4161, 5));  // alarm 1 deviation band: |25 - 100| > 300.0?
    EXPECT_EQ(m_model.input(8), 0);
    ASSERT_TRUE(m_model.setHolding(257, 100));  // band 10.0
    EXPECT_EQ(m_model.input(8), 5);
}

TEST_F(AlarmTest, HeaterBreakAlarmComparesInput2WhileTheOutputIsHighEnough) {
    ASSERT_TRUE(m_model.setHolding(263, 300));  // input 2 below 30.0 means a broken heater
    ASSERT_TRUE(m_model.setHolding(264, 500));  // once the output is at least 50.0 %
    ASSERT_TRUE(m_model.setHolding(4161, 6));
    EXPECT_FALSE(m_model.discreteInput(1));  // the output is 0 %
    ASSERT_TRUE(m_model.setHolding(264, 0));
    EXPECT_EQ(m_model.input(8), 6);
    ASSERT_TRUE(m_model.setHolding(263, 200));
    EXPECT_FALSE(m_model.discreteInput(1));
}

TEST_F(AlarmTest, SensorFaultAlarmFollowsTheOpenCircuitInput) {
    ASSERT_TRUE(m_model.setHolding(4161, 7));
    EXPECT_FALSE(m_model.discreteInput(1));
    m_model.setDiscreteInput(5, true);
    EXPECT_TRUE(m_model.discreteInput(5));
    EXPECT_EQ(m_model.input(8), 7);
    m_model.releaseForcedInputs();
    EXPECT_FALSE(m_model.discreteInput(1));
}

struct FaultCase {
    int input;
    InputFault fault;
    std::array<bool, 4> bits;  // discrete inputs 5..8
};

class InputFaultTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(InputFaultTest, SetsItsOwnDiscreteInputAndTheSensorAlarm) {
    ControllerModel model;
    ASSERT_TRUE(model.setHolding(4161, 7));
    model.setInputFault(GetParam().input, GetParam().fault);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(model.discreteInput(5 + k), GetParam().bits[k]) << k;
    EXPECT_EQ(model.discreteInput(1), GetParam().fault != InputFault::None);
    model.setInputFault(GetParam().input, InputFault::None);
    EXPECT_FALSE(model.discreteInput(1));
}

INSTANTIATE_TEST_SUITE_P(
    Faults, InputFaultTest,
    ::testing::Values(FaultCase{1, InputFault::Open, {true, false, false, false}},
                      FaultCase{1, InputFault::Short, {false, true, false, false}},
                      FaultCase{2, InputFault::Open, {false, false, true, false}},
                      FaultCase{2, InputFault::Short, {false, false, false, true}},
                      FaultCase{1, InputFault::None, {false, false, false, false}}));

}  // namespace
}  // namespace vt::sim
