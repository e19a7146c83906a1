#include "link_connection.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "link_jobs.h"
#include "link_stack_test.h"

namespace vt::test {
namespace {

using LinkConnectionTest = LinkStackTest;

}  // namespace

TEST_F(LinkConnectionTest, OpenStoresTheSettingsAndStartsPolling) {
    m_state.LinkSettings[OpenResult] = 12345;
    QSignalSpy opened(m_connection.get(), &LinkConnection::opened);
    m_connection->open(kSimPort, 8, 2, 1);
    EXPECT_EQ(opened.count(), 1);
    EXPECT_TRUE(m_connection->isOpen());
    EXPECT_TRUE(m_polling->isRunning());
    EXPECT_EQ(m_state.LinkSettings[PortNumber], kSimPort);
    EXPECT_EQ(m_state.LinkSettings[BaudCode], 8);
    EXPECT_EQ(m_state.LinkSettings[ParityCode], 2);
    EXPECT_EQ(m_state.LinkSettings[SlaveAddress], 1);
    ASSERT_TRUE(
        QTest::qWaitFor([this] { return m_state.LinkSettings[OpenResult] == 0; }, kLinkWaitMs));
}

TEST_F(LinkConnectionTest, CloseStopsPollingAndClosesThePort) {
    m_connection->open(kSimPort, 5, 0, 1);
    QSignalSpy closed(m_connection.get(), &LinkConnection::closed);
    m_connection->close();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(m_connection->isOpen());
    EXPECT_FALSE(m_polling->isRunning());

    LinkReply seen;
    m_link->submit(ReadInputJob(m_state, 1, 16), nullptr, [&](const LinkReply& r) { seen = r; });
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(seen.failure, LinkFailure::PortClosed);
    EXPECT_EQ(seen.result, kNoAnswer);

    m_connection->open(kSimPort, 5, 0, 1);  // reopening resumes the updates
    QSignalSpy ticks(m_polling.get(), &PollingCycle::tickFinished);
    ASSERT_TRUE(ticks.wait(kLinkWaitMs));
    EXPECT_EQ(ticks.first().at(0).toInt(), 0);
}

}  // namespace vt::test
