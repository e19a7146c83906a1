#include "write_retry.h"

#include <gtest/gtest.h>

#include "modbus_master.h"
#include "simulated_line.h"

using namespace vt;
using vt::test::kFastBaud;
using vt::test::kSimPort;
using vt::test::SimulatedLine;

namespace {

constexpr int kSlave = 1;
constexpr int kSv1 = 3;

// A line whose controller loses its first answer, or refuses every write to SV1.
class WriteRetryTest : public ::testing::Test {
  protected:
    WriteRetryTest() : m_master(m_line.ports()) {
        EXPECT_EQ(m_master.OpenPort_Modbus(kSimPort, kFastBaud, 0), 0);
    }

    void loseFirstAnswer() {
        auto options = m_line.server().options();
        options.failFirstAnswers = 1;
        m_line.server().setOptions(options);
    }

    void refuseSv1() {
        auto options = m_line.server().options();
        options.exceptionHoldingRegisters = {kSv1};
        m_line.server().setOptions(options);
    }

    WriteOutcome write(RetryRule rule) {
        return WriteWithRetry(m_master, kSimPort, kSlave, kSv1, 2500, rule);
    }

    std::uint64_t requests() { return m_line.server().requestsReceived(); }

    SimulatedLine m_line;
    ModbusMaster m_master;
};

}  // namespace

TEST_F(WriteRetryTest, LostAnswerIsSentAgainByBothRules) {
    for (RetryRule rule : {RetryRule::OnNoAnswer, RetryRule::OnAnyFailure}) {
        m_line.model().setHolding(kSv1, 0);
        loseFirstAnswer();
        const std::uint64_t before = requests();
        const WriteOutcome outcome = write(rule);
        EXPECT_EQ(outcome.result, kNoAnswer);  // the first result, not the second
        EXPECT_EQ(outcome.failure, LinkFailure::NoAnswer);
        EXPECT_TRUE(outcome.retried);
        EXPECT_EQ(requests() - before, 2u);
        EXPECT_EQ(m_line.model().holding(kSv1), 2500);
    }
}

TEST_F(WriteRetryTest, WithoutRuleALostAnswerIsNotRepeated) {
    loseFirstAnswer();
    const WriteOutcome outcome = write(RetryRule::None);
    EXPECT_EQ(outcome.result, kNoAnswer);
    EXPECT_FALSE(outcome.retried);
    EXPECT_EQ(requests(), 1u);
}

TEST_F(WriteRetryTest, ExceptionIsRepeatedOnlyOnAnyFailure) {
    refuseSv1();
    WriteOutcome outcome = write(RetryRule::OnNoAnswer);
    EXPECT_EQ(outcome.result, -2);
    EXPECT_EQ(outcome.failure, LinkFailure::Exception);
    EXPECT_FALSE(outcome.retried);
    EXPECT_EQ(requests(), 1u);

    outcome = write(RetryRule::OnAnyFailure);
    EXPECT_EQ(outcome.result, -2);
    EXPECT_TRUE(outcome.retried);
    EXPECT_EQ(requests(), 3u);
}
