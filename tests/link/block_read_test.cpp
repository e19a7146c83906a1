#include "block_read.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <vector>

#include "job_queue.h"
#include "link_jobs.h"
#include "link_stack_test.h"

namespace vt::test {
namespace {

// Window reads over port 1 of a simulated line, with the polling cycle available beside them.
class BlockReadTest : public LinkStackTest {
  protected:
    explicit BlockReadTest(sim::SimulatorOptions options = SimulatedLine::Frozen(),
                           int baudCode = kFastBaud)
        : LinkStackTest(options) {
        m_connection->open(kSimPort, baudCode, 0, kSimSlave);
        m_polling->stop();
        waitIdle();
    }

    PeriodicRead makeRead(int intervalMs) {
        return PeriodicRead(*m_link, m_state, {{4097, 32}, {4129, 32}, {1, 16, LinkOp::ReadInput}},
                            intervalMs);
    }
};

// At 4800 baud a block of 32 registers takes about 0.2 s on the wire.
class SlowBlockReadTest : public BlockReadTest {
  protected:
    SlowBlockReadTest() : BlockReadTest(SimulatedLine::Slow(), 0) {}
};

}  // namespace

TEST(JobQueue, OperatorJobsFirstThenPollingThenWindowReads) {
    JobQueue queue;
    const JobPriority pushed[] = {JobPriority::WindowRead, JobPriority::Poll,
                                  JobPriority::Operator,   JobPriority::WindowRead,
                                  JobPriority::Poll,       JobPriority::Operator};
    for (std::uint64_t ticket = 0; ticket < std::size(pushed); ++ticket) {
        LinkJob job;
        job.priority = pushed[ticket];
        queue.push({job, ticket});
    }
    std::vector<std::uint64_t> order;
    while (auto next = queue.takeNext()) order.push_back(next->ticket);
    EXPECT_EQ(order, (std::vector<std::uint64_t>{2, 5, 1, 4, 0, 3}));
    EXPECT_TRUE(queue.empty());
}

// A tick due at 500 ms with three blocks queued, blocks taking 20 ms and a window read 60 ms:
// the read goes between the blocks while the tick would still end in time, not after.
struct BetweenCase {
    int nowMs;
    bool operatorWaiting;
    bool windowReadFirst;
};

class JobQueueBetweenTest : public ::testing::TestWithParam<BetweenCase> {};

TEST_P(JobQueueBetweenTest, AWindowReadGoesBetweenTheBlocksOnlyWhenTheTickStaysInTime) {
    using namespace std::chrono_literals;
    const JobQueue::Clock::time_point start{};
    JobQueue queue;
    LinkJob block;
    block.priority = JobPriority::Poll;
    LinkJob window;
    window.priority = JobPriority::WindowRead;
    queue.noteRun(block, 20ms);
    queue.noteRun(window, 60ms);
    block.tickDue = start + 500ms;
    for (std::uint64_t ticket = 0; ticket < 3; ++ticket) queue.push({block, ticket});
    queue.push({window, 3});
    if (GetParam().operatorWaiting) {
        LinkJob write;
        write.priority = JobPriority::Operator;
        queue.push({write, 4});
    }
    const auto next = queue.takeNext(start + std::chrono::milliseconds(GetParam().nowMs));
    ASSERT_TRUE(next);
    const std::uint64_t expected =
        GetParam().operatorWaiting ? 4 : (GetParam().windowReadFirst ? 3 : 0);
    EXPECT_EQ(next->ticket, expected);
}

// (60 + 3 x 20) x 1.2 = 144 ms must be left before the tick is due.
INSTANTIATE_TEST_SUITE_P(Times, JobQueueBetweenTest,
                         ::testing::Values(BetweenCase{0, false, true},
                                           BetweenCase{356, false, true},
                                           BetweenCase{357, false, false},
                                           BetweenCase{0, true, false}));

TEST(JobQueue, AWindowReadWaitsWhileItsTimeIsNotKnown) {
    JobQueue queue;
    LinkJob block;
    block.priority = JobPriority::Poll;
    block.tickDue = JobQueue::Clock::now() + std::chrono::hours(1);
    queue.noteRun(block, std::chrono::milliseconds(20));
    queue.push({block, 0});
    LinkJob window;
    window.priority = JobPriority::WindowRead;
    queue.push({window, 1});
    EXPECT_EQ(queue.takeNext()->ticket, 0u);
}

TEST_F(BlockReadTest, EveryBlockComesBackInTurnWithItsRegisters) {
    m_line.model().setHolding(4098, 2);
    PeriodicRead read = makeRead(1000);
    QSignalSpy blocks(&read, &PeriodicRead::blockRead);
    QSignalSpy cycles(&read, &PeriodicRead::cycleFinished);
    read.readNow();
    ASSERT_TRUE(cycles.wait(kLinkWaitMs));
    ASSERT_EQ(blocks.count(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(blocks.at(i).at(0).toInt(), i);
    const auto first = blocks.at(0).at(1).value<LinkReply>();
    ASSERT_TRUE(first.ok());
    ASSERT_EQ(first.values.size(), 32u);
    EXPECT_EQ(first.values[1], 2);
    EXPECT_EQ(cycles.at(0).at(0).toInt(), 0);
}

TEST_F(BlockReadTest, FailedBlockIsReportedWithoutValues) {
    m_line.change([](sim::SimulatorOptions& o) { o.exceptionHoldingRegisters = {4130}; });
    PeriodicRead read = makeRead(1000);
    QSignalSpy blocks(&read, &PeriodicRead::blockRead);
    QSignalSpy cycles(&read, &PeriodicRead::cycleFinished);
    read.readNow();
    ASSERT_TRUE(cycles.wait(kLinkWaitMs));
    EXPECT_TRUE(blocks.at(0).at(1).value<LinkReply>().ok());
    const auto failed = blocks.at(1).at(1).value<LinkReply>();
    EXPECT_FALSE(failed.ok());
    EXPECT_TRUE(failed.values.empty());
    EXPECT_EQ(cycles.at(0).at(0).toInt(), 1);
}

TEST_F(SlowBlockReadTest, ReadStillOutIsNotQueuedAgain) {
    PeriodicRead read = makeRead(1000);
    QSignalSpy cycles(&read, &PeriodicRead::cycleFinished);
    read.readNow();
    read.readNow();
    EXPECT_EQ(m_link->pendingJobs(), 3);
    ASSERT_TRUE(cycles.wait(kLinkWaitMs));
    QTest::qWait(300);
    EXPECT_EQ(cycles.count(), 1);
    EXPECT_EQ(m_line.server().requestsReceived(), 3u);
}

TEST_F(BlockReadTest, DeadLineNeverGrowsTheQueue) {
    m_line.change([](sim::SimulatorOptions& o) { o.dropRate = 1.0; });
    PeriodicRead read = makeRead(10);
    m_polling->setInterval(10);
    m_polling->start();
    read.start();
    int most = 0;
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout,
                     [&] { most = std::max(most, m_link->pendingJobs()); });
    probe.start(5);
    QTest::qWait(1500);
    // One window cycle and one polling tick at most, however many intervals went by.
    EXPECT_LE(most, 3 + 8);
    EXPECT_GT(most, 0);
}

TEST_F(SlowBlockReadTest, PollingTicksGoAheadOfWindowReads) {
    std::vector<LinkJob> order;
    QObject::connect(m_link.get(), &ControllerLink::jobFinished,
                     [&](const LinkReply& reply) { order.push_back(reply.job); });
    PeriodicRead read = makeRead(1000);
    read.readNow();
    m_link->submit(ReadInputJob(m_state, 33, 16), nullptr);  // a polling block
    ASSERT_TRUE(waitIdle());
    ASSERT_EQ(order.size(), 4u);
    // At most the window block already on the wire finishes first.
    const auto poll = std::find_if(order.begin(), order.end(), [](const LinkJob& j) {
        return j.priority == JobPriority::Poll;
    });
    EXPECT_LE(poll - order.begin(), 1);
}

TEST_F(BlockReadTest, ReadOnceHandsOverEveryBlockInOrder) {
    QObject context;
    std::vector<LinkReply> replies;
    ReadBlocksOnce(*m_link, m_state, {{8209, 64}, {8273, 64}, {8337, 64}}, &context,
                   [&](const std::vector<LinkReply>& all) { replies = all; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return !replies.empty(); }, kLinkWaitMs));
    ASSERT_EQ(replies.size(), 3u);
    EXPECT_EQ(replies[2].job.first, 8337);
    EXPECT_EQ(replies[0].values.size(), 64u);
    EXPECT_EQ(replies[0].values[0], m_line.model().holding(8209));
}

}  // namespace vt::test
