#include "poll_decoding.h"

#include <gtest/gtest.h>

#include <vector>

using namespace vt;

namespace {

std::vector<std::int32_t> Block(std::size_t count, std::initializer_list<std::pair<int, int>> set) {
    std::vector<std::int32_t> values(count, 0);
    for (const auto& [index, value] : set) values[static_cast<std::size_t>(index)] = value;
    return values;
}

}  // namespace

TEST(PollDecoding, LiveInputsFollowTheirScalingRules) {
    ControllerState state;
    state.Scaling.Input2Type = 14;
    state.Scaling.Input2Decimals = 2;
    ApplyLiveInputs(state, Block(16, {{0, 1234},
                                      {1, 456},
                                      {4, 1234},
                                      {7, 3},
                                      {8, -2},
                                      {9, 77},
                                      {11, 1234},
                                      {12, -5},
                                      {13, 999}}));
    EXPECT_FLOAT_EQ(state.LiveValue[0], 123.4f);
    EXPECT_FLOAT_EQ(state.LiveValue[1], 45.6f);
    EXPECT_FLOAT_EQ(state.LiveValue[4], 12.34f);
    EXPECT_FLOAT_EQ(state.LiveValue[7], 3.0f);
    EXPECT_FLOAT_EQ(state.LiveValue[8], -2.0f);
    EXPECT_FLOAT_EQ(state.LiveValue[9], 0.0f);  // input 10 is not used
    EXPECT_FLOAT_EQ(state.LiveValue[11], 12.34f);
    EXPECT_FLOAT_EQ(state.LiveValue[12], -0.05f);
    EXPECT_FLOAT_EQ(state.LiveValue[13], 99.9f);
    EXPECT_EQ(state.RawInput[9], 77);
}

TEST(PollDecoding, TemperatureUnitDecidesTheDecimalPoint) {
    ControllerState state;
    state.Scaling.Input1Type = 5;
    const auto raw = Block(16, {{0, 1234}, {2, -305}});
    ApplyLiveInputs(state, raw);
    EXPECT_FLOAT_EQ(state.LiveValue[0], 123.4f);
    EXPECT_FLOAT_EQ(state.LiveValue[2], -30.5f);
    state.Scaling.TempUnit = 1;
    ApplyLiveInputs(state, raw);
    EXPECT_FLOAT_EQ(state.LiveValue[0], 1234.0f);
}

TEST(PollDecoding, ActivePidRoundsHalvesToEven) {
    ControllerState state;
    ApplyActivePid(state, Block(16, {{0, 3}, {1, 25}, {3, 25}, {4, 35}, {6, 35}, {8, 7}}));
    EXPECT_EQ(state.ActivePid[0], 3);
    EXPECT_EQ(state.ActivePid[1], 2);  // V1: 2.5 -> 2
    EXPECT_EQ(state.ActivePid[3], 2);
    EXPECT_EQ(state.ActivePid[4], 4);
    EXPECT_EQ(state.ActivePid[6], 4);
    EXPECT_EQ(state.ActivePid[8], 7);
}

TEST(PollDecoding, ProgramStatusScalesOnlyTheTargets) {
    ControllerState state;
    ApplyProgramStatus(state, Block(16, {{0, 2}, {1, 1505}, {2, -15}, {3, 1505}}));
    EXPECT_EQ(state.ProgramStatus[0], 2);
    EXPECT_EQ(state.ProgramStatus[1], 150);  // 150.5 -> 150
    EXPECT_EQ(state.ProgramStatus[2], -2);   // -1.5 -> -2
    EXPECT_EQ(state.ProgramStatus[3], 1505);
}

TEST(PollDecoding, RunRegistersLeaveElementZero) {
    ControllerState state;
    state.RunValue[0] = 9.0f;
    ApplyRunRegisters(state, Block(8, {{0, 11}, {1, 505}, {2, 2500}, {3, -100}, {6, 3}}));
    EXPECT_FLOAT_EQ(state.RunValue[0], 9.0f);
    EXPECT_FLOAT_EQ(state.RunValue[1], 50.5f);
    EXPECT_FLOAT_EQ(state.RunValue[2], 250.0f);
    EXPECT_FLOAT_EQ(state.RunValue[3], -10.0f);
    EXPECT_FLOAT_EQ(state.RunValue[6], 3.0f);
    EXPECT_EQ(state.RunRaw[0], 11);
}

TEST(PollDecoding, PidParamsByRule) {
    ControllerState state;
    state.Scaling.Input1Type = 20;
    state.Scaling.Input1Decimals = 2;
    ApplyPidParams(state, Block(16, {{0, 150}, {1, 240}, {2, 605}, {10, -25}, {15, 33}}));
    EXPECT_FLOAT_EQ(state.PidParam[0], 1.5f);
    EXPECT_FLOAT_EQ(state.PidParam[1], 240.0f);
    EXPECT_FLOAT_EQ(state.PidParam[2], 60.5f);
    EXPECT_FLOAT_EQ(state.PidParam[10], -0.25f);
    EXPECT_FLOAT_EQ(state.PidParam[15], 3.3f);
}

TEST(PollDecoding, BitWordsOutsideOneByteAreIgnored) {
    ControllerState state;
    ApplyInputBits(state, {std::vector<std::int32_t>{5}});
    EXPECT_EQ((std::vector<int>(state.InputBits.begin(), state.InputBits.begin() + 9)),
              (std::vector<int>{1, 0, 1, 0, 0, 0, 0, 0, 0}));
    for (std::int32_t word : {256, -1, 65535}) {
        ApplyInputBits(state, {std::vector<std::int32_t>{word}});
        EXPECT_EQ(state.InputBits[0], 1) << word;
        EXPECT_EQ(state.InputBits[1], 0) << word;
    }
    ApplyCoilBits(state, {std::vector<std::int32_t>{255}});
    EXPECT_EQ(state.CoilBits[7], 1);
    EXPECT_EQ(state.InputBits[3], 0);  // separate tables
}

TEST(PollDecoding, ConfigBlockRefreshesScaling) {
    ControllerState state;
    ApplyInputConfig(state, Block(32, {{0, 2}, {7, 15}, {10, 3}, {18, 16}, {21, 1}}));
    EXPECT_EQ(state.Scaling.TempUnit, 2);
    EXPECT_EQ(state.Scaling.Input1Type, 15);
    EXPECT_EQ(state.Scaling.Input1Decimals, 3);
    EXPECT_EQ(state.Scaling.Input2Type, 16);
    EXPECT_EQ(state.Scaling.Input2Decimals, 1);
}

TEST(PollDecoding, BlockOfWrongLengthChangesNothing) {
    ControllerState state;
    state.ActivePid[1] = 42;
    ApplyActivePid(state, Block(15, {{1, 7}}));
    ApplyInputConfig(state, Block(16, {{7, 20}}));
    ApplyInputBits(state, {});
    EXPECT_EQ(state.ActivePid[1], 42);
    EXPECT_EQ(state.Scaling.Input1Type, 0);
}
