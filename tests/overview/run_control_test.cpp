#include "run_control.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

class RunControlTest : public ::testing::Test {
  protected:
    RunControlTest() {
        m_state.LinkSettings[PortNumber] = 3;
        m_state.LinkSettings[SlaveAddress] = 7;
    }
    ControllerState m_state;
    RunControl m_control{m_state};
};

TEST_F(RunControlTest, OutputRangeAndStaging) {
    const auto job = m_control.entryWrite(RunEntry::Output, QStringLiteral("100"));
    ASSERT_TRUE(job);
    EXPECT_EQ(job->op, LinkOp::WriteRegister);
    EXPECT_EQ(job->first, 2);
    EXPECT_EQ(job->value, 1000);
    EXPECT_EQ(job->retry, RetryRule::OnNoAnswer);
    EXPECT_EQ(job->port, 3);
    EXPECT_EQ(job->slave, 7);
    EXPECT_EQ(m_state.LinkSettings[WriteScratchOutput], 1000);
    EXPECT_EQ(m_control.entryWrite(RunEntry::Output, QStringLiteral("0.25"))->value, 2);
    EXPECT_EQ(m_control.entryWrite(RunEntry::Output, QStringLiteral("abc"))->value, 0);
    for (const char* text : {"100.1", "-0.1", "1e400"}) {
        EXPECT_FALSE(m_control.entryWrite(RunEntry::Output, QString::fromLatin1(text))) << text;
    }
}

TEST_F(RunControlTest, SetValuesAreScaledByInputOneAndBounded) {
    // A temperature sensor in Celsius: one decimal place in the register.
    auto sv1 = m_control.entryWrite(RunEntry::SV1, QStringLiteral(" 250xyz"));
    ASSERT_TRUE(sv1);
    EXPECT_EQ(sv1->first, 3);
    EXPECT_EQ(sv1->value, 2500);
    EXPECT_EQ(m_control.entryWrite(RunEntry::SV1, QStringLiteral("3000"))->value, 30000);
    EXPECT_FALSE(m_control.entryWrite(RunEntry::SV1, QStringLiteral("3000.1")));
    EXPECT_EQ(m_control.entryWrite(RunEntry::SV2, QStringLiteral("-1000"))->value, -10000);
    EXPECT_FALSE(m_control.entryWrite(RunEntry::SV2, QStringLiteral("-1000.1")));
    EXPECT_EQ(m_control.entryWrite(RunEntry::SV2, QString())->value, 0);
    EXPECT_EQ(m_control.entryWrite(RunEntry::SV2, QStringLiteral("1"))->first, 4);

    // A linear input with no decimals: the register holds the value itself.
    m_state.Scaling.Input1Type = 14;
    EXPECT_EQ(m_control.entryWrite(RunEntry::SV1, QStringLiteral("30000"))->value, 30000);
    EXPECT_FALSE(m_control.entryWrite(RunEntry::SV1, QStringLiteral("30001")));
    EXPECT_EQ(m_control.entryWrite(RunEntry::SV1, QStringLiteral("2.5"))->value, 2);
}

TEST_F(RunControlTest, TogglesFollowThePolledCoils) {
    m_state.CoilBits[6] = 1;
    const LinkJob at = m_control.toggle(RunToggle::AutoTune);
    EXPECT_EQ(at.op, LinkOp::ResetCoil);
    EXPECT_EQ(at.first, 7);
    const LinkJob standby = m_control.toggle(RunToggle::Standby);
    EXPECT_EQ(standby.op, LinkOp::SetCoil);
    EXPECT_EQ(standby.first, 4);
    EXPECT_EQ(m_control.toggle(RunToggle::AutoManual).first, 1);
}

TEST_F(RunControlTest, ProgramSelectorsWriteTheirLeadingCode) {
    const LinkJob function =
        m_control.programWrite(ProgramSelector::Function, QStringLiteral("4:结束 "));
    EXPECT_EQ(function.first, 8);
    EXPECT_EQ(function.value, 4);
    EXPECT_EQ(function.retry, RetryRule::OnNoAnswer);
    EXPECT_EQ(m_state.LinkSettings[WriteScratchProgram], 4);
    EXPECT_EQ(m_control.programWrite(ProgramSelector::Process, QStringLiteral("5 ")).first, 7);
    const LinkJob jump = m_control.programWrite(ProgramSelector::Jump, QStringLiteral("24 "));
    EXPECT_EQ(jump.first, 6);
    EXPECT_EQ(jump.value, 24);
}

}  // namespace
}  // namespace vt
