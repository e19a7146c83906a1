#include "controller_link.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <vector>

#include "link_jobs.h"
#include "link_stack_test.h"

namespace vt::test {
namespace {

// The controller link with port 1 open; jobs go to the simulator's station number.
class ControllerLinkTest : public LinkStackTest {
  protected:
    explicit ControllerLinkTest(sim::SimulatorOptions options = SimulatedLine::Frozen(),
                                int baudCode = kFastBaud)
        : LinkStackTest(options) {
        m_state.LinkSettings[PortNumber] = kSimPort;
        m_state.LinkSettings[SlaveAddress] = kSimSlave;
        m_link->submit(OpenJob(kSimPort, baudCode, 0), nullptr);
    }
};

// At 4800 baud a block read takes about 0.1 s.
class SlowLinkTest : public ControllerLinkTest {
  protected:
    SlowLinkTest() : ControllerLinkTest(SimulatedLine::Slow(), 0) {}
};

}  // namespace

TEST_F(ControllerLinkTest, DestroyedContextGetsNoReply) {
    QSignalSpy finished(m_link.get(), &ControllerLink::jobFinished);
    bool called = false;
    auto context = std::make_unique<QObject>();
    m_link->submit(ReadInputJob(m_state, 1, 16), context.get(),
                   [&](const LinkReply&) { called = true; });
    context.reset();
    ASSERT_TRUE(waitIdle());
    EXPECT_FALSE(called);
    EXPECT_EQ(finished.count(), 2);  // open and read are still reported
}

TEST_F(SlowLinkTest, OperatorJobsOvertakeQueuedReads) {
    std::vector<LinkJob> order;
    QObject::connect(m_link.get(), &ControllerLink::jobFinished,
                     [&](const LinkReply& reply) { order.push_back(reply.job); });
    ASSERT_TRUE(waitIdle());
    order.clear();
    for (int first : {1, 33, 4097, 1}) m_link->submit(ReadInputJob(m_state, first, 16), nullptr);
    m_link->submit(WriteRegisterJob(m_state, 3, 2500), nullptr);
    m_link->submit(CoilJob(m_state, 4, true), nullptr);
    ASSERT_TRUE(waitIdle());
    ASSERT_EQ(order.size(), 6u);
    // At most the read already on the wire finishes first; the operator jobs keep their order.
    const auto write = std::find_if(order.begin(), order.end(),
                                    [](const LinkJob& j) { return j.op == LinkOp::WriteRegister; });
    EXPECT_LE(write - order.begin(), 1);
    EXPECT_EQ((write + 1)->op, LinkOp::SetCoil);
    std::vector<int> reads;
    for (const LinkJob& job : order) {
        if (job.op == LinkOp::ReadInput) reads.push_back(job.first);
    }
    EXPECT_EQ(reads, (std::vector<int>{1, 33, 4097, 1}));
    EXPECT_EQ(m_line.model().holding(3), 2500);
}

TEST_F(SlowLinkTest, DestructionFinishesTheJobInFlightAndDropsTheRest) {
    ASSERT_TRUE(waitIdle());
    QSignalSpy finished(m_link.get(), &ControllerLink::jobFinished);
    for (int i = 0; i < 10; ++i) m_link->submit(ReadInputJob(m_state, 1, 16), nullptr);
    ASSERT_TRUE(finished.wait(kLinkWaitMs));
    destroy();
    EXPECT_LT(m_line.server().requestsReceived(), 10u);
}

TEST_F(ControllerLinkTest, UiKeepsRunningWhileTheLinkTimesOut) {
    ASSERT_TRUE(waitIdle());
    m_state.LinkSettings[SlaveAddress] = 9;  // nobody answers: every job waits out its budget
    for (int i = 0; i < 8; ++i) m_link->submit(ReadInputJob(m_state, 1, 16), nullptr);
    int fired = 0;
    QTimer timer;
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [&] { ++fired; });
    timer.start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return fired >= 20; }, kLinkWaitMs));
    EXPECT_GT(m_link->pendingJobs(), 0);
    ASSERT_TRUE(waitIdle());
}

}  // namespace vt::test
