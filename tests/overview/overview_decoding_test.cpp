#include "overview_decoding.h"

#include <gtest/gtest.h>

#include <QSet>

namespace vt {
namespace {

ReadoutLook LookOf(const ControllerState& state, const QString& name) {
    for (const Readout& r : OverviewDecoding::Decode(state)) {
        if (r.name == name) return r.look;
    }
    ADD_FAILURE() << "no readout " << name.toStdString();
    return {};
}

TEST(OverviewDecoding, NamesAreUniqueAndMatchDecodeOrder) {
    const auto& names = OverviewDecoding::Names();
    const auto readouts = OverviewDecoding::Decode(ControllerState{});
    ASSERT_EQ(names.size(), readouts.size());
    for (std::size_t i = 0; i < names.size(); ++i) EXPECT_EQ(names[i], readouts[i].name);
    EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), static_cast<int>(names.size()));
    EXPECT_EQ(names.size(), 9u + 3 + 10 + 9 + 6 + 16 + 5 + 8);
}

TEST(OverviewDecoding, AlarmTypesForBothAlarmsAndUnknownCodesLeaveTheReadout) {
    EXPECT_EQ(AlarmTypeLook(0, 1).text, QStringLiteral("1无报警"));
    EXPECT_EQ(AlarmTypeLook(0, 2).text, QStringLiteral("2无报警"));
    EXPECT_EQ(AlarmTypeLook(0, 1).background, kInactiveColour);
    EXPECT_EQ(AlarmTypeLook(3, 2).text, QStringLiteral("上偏差报警2"));
    EXPECT_EQ(AlarmTypeLook(6, 1).text, QStringLiteral("断线报警1"));
    EXPECT_EQ(AlarmTypeLook(7, 2).text, QStringLiteral("传感器故障"));
    EXPECT_EQ(AlarmTypeLook(11, 1).text, QStringLiteral("ABS(PV1-PV2)"));
    EXPECT_EQ(AlarmTypeLook(11, 1).background, kActiveColour);
    for (double code : {12.0, -1.0, 2.5, 1e12}) EXPECT_TRUE(AlarmTypeLook(code, 1).unchanged);

    ControllerState s;
    s.LiveValue[7] = 12;
    s.LiveValue[8] = 5;
    EXPECT_TRUE(LookOf(s, "D_3W_7").unchanged);
    EXPECT_EQ(LookOf(s, "D_3W_8").text, QStringLiteral("偏差带报警2"));
}

TEST(OverviewDecoding, StateTablesKeepTheirColourAndIgnoreUnlistedCodes) {
    EXPECT_EQ(ProgramStateLook(4).text, QStringLiteral("结束"));
    EXPECT_TRUE(ProgramStateLook(3).unchanged);
    EXPECT_EQ(WaitStateLook(1).text, QStringLiteral("偏差等待"));
    EXPECT_TRUE(WaitStateLook(2).unchanged);
    EXPECT_EQ(RunModeLook(16).text, QStringLiteral("休眠"));
    EXPECT_EQ(RunModeLook(8).text, QStringLiteral("复位"));
    EXPECT_TRUE(RunModeLook(3).unchanged);
    EXPECT_TRUE(RunModeLook(1.5).unchanged);
    for (const auto& look : {ProgramStateLook(0), WaitStateLook(0), RunModeLook(0)}) {
        EXPECT_FALSE(look.background.has_value());
    }
}

TEST(OverviewDecoding, NumbersAndIntegers) {
    ControllerState s;
    s.LiveValue[0] = 45.6f;
    s.LiveValue[13] = -3;
    s.RunValue[2] = 250;
    s.PidParam[15] = 0.1f;
    s.ActivePid[10] = -120;
    s.ProgramStatus[5] = 65535;
    EXPECT_EQ(LookOf(s, "D_3W_0").text, QStringLiteral("45.6"));
    EXPECT_EQ(LookOf(s, "D_3W_13").text, QStringLiteral("-3"));
    EXPECT_EQ(LookOf(s, "D_4W_2").text, QStringLiteral("250"));
    EXPECT_EQ(LookOf(s, "D3WWP_15").text, QStringLiteral("0.1"));
    EXPECT_EQ(LookOf(s, "D3WW_10").text, QStringLiteral("-120"));
    EXPECT_EQ(LookOf(s, "D3XX_5").text, QStringLiteral("65535"));
}

TEST(OverviewDecoding, CoilReadoutsAndTheAutoManualColour) {
    ControllerState s;
    s.CoilBits[0] = 1;
    s.CoilBits[1] = 1;
    s.CoilBits[6] = 0;
    const ReadoutLook manual = LookOf(s, "D_1RW_0");
    EXPECT_EQ(manual.text, QStringLiteral("手动"));
    EXPECT_FALSE(manual.background.has_value());
    EXPECT_EQ(LookOf(s, "D_1RW_1").text, QStringLiteral("程序运行"));
    EXPECT_EQ(LookOf(s, "D_1RW_1").background, kActiveColour);
    EXPECT_EQ(LookOf(s, "D_1RW_6").text, QStringLiteral("主整定关"));
    EXPECT_EQ(LookOf(s, "D_1RW_6").background, kInactiveColour);
    s.CoilBits[0] = 0;
    EXPECT_EQ(LookOf(s, "D_1RW_0").text, QStringLiteral("自动"));
    EXPECT_FALSE(LookOf(s, "D_1RW_0").background.has_value());
}

TEST(OverviewDecoding, InputReadoutsAndFaultsShownOnlyAtOne) {
    ControllerState s;
    s.InputBits[2] = 5;  // any nonzero value counts as set
    EXPECT_EQ(LookOf(s, "D_2R_2").text, QStringLiteral("DI1 ON"));
    EXPECT_EQ(LookOf(s, "D_2R_2").background, kActiveColour);
    EXPECT_EQ(LookOf(s, "D_2R_1").text, QStringLiteral("报警二OFF"));
    EXPECT_EQ(LookOf(s, "D_2R_1").background, kInactiveColour);
    for (int value : {0, 2, -1}) {
        s.InputBits[4] = value;
        EXPECT_FALSE(LookOf(s, "D_2R_4").visible) << value;
    }
    s.InputBits[4] = 1;
    const ReadoutLook open = LookOf(s, "D_2R_4");
    EXPECT_TRUE(open.visible);
    EXPECT_EQ(open.text, QStringLiteral("PV1开路"));
    EXPECT_EQ(open.background, kActiveColour);
}

}  // namespace
}  // namespace vt
