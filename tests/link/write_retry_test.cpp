#include "write_retry.h"

#include <gtest/gtest.h>

#include "master_on_line_test.h"

namespace vt::test {
namespace {

constexpr int kSv1 = 3;

// A line whose controller loses its first answer, or refuses every write to SV1.
class WriteRetryTest : public MasterOnLineTest {
  protected:
    void loseFirstAnswer() {
        m_line.change([](sim::SimulatorOptions& o) { o.failFirstAnswers = 1; });
    }

    void refuseSv1() {
        m_line.change([](sim::SimulatorOptions& o) { o.exceptionHoldingRegisters = {kSv1}; });
    }

    WriteOutcome write(RetryRule rule) {
        return WriteWithRetry(m_master, kSimPort, kSimSlave, kSv1, 2500, rule);
    }

    std::uint64_t requests() { return m_line.server().requestsReceived(); }
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

}  // namespace vt::test
