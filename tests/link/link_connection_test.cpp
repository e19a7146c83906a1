#include "link_connection.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "controller_link.h"
#include "link_jobs.h"
#include "polling_cycle.h"
#include "simulated_line.h"

using namespace vt;
using vt::test::kSimPort;
using vt::test::SimulatedLine;

namespace {

constexpr int kWait = 10000;

class LinkConnectionTest : public ::testing::Test {
  protected:
    LinkConnectionTest()
        : m_link(m_line.ports()),
          m_polling(m_link, m_state),
          m_connection(m_link, m_polling, m_state) {}

    bool waitIdle() {
        return QTest::qWaitFor([this] { return m_link.pendingJobs() == 0; }, kWait);
    }

    SimulatedLine m_line;
    ControllerState m_state;
    ControllerLink m_link;
    PollingCycle m_polling;
    LinkConnection m_connection;
};

}  // namespace

TEST_F(LinkConnectionTest, OpenStoresTheSettingsAndStartsPolling) {
    m_state.LinkSettings[OpenResult] = 12345;
    QSignalSpy opened(&m_connection, &LinkConnection::opened);
    m_connection.open(kSimPort, 8, 2, 1);
    EXPECT_EQ(opened.count(), 1);
    EXPECT_TRUE(m_connection.isOpen());
    EXPECT_TRUE(m_polling.isRunning());
    EXPECT_EQ(m_state.LinkSettings[PortNumber], kSimPort);
    EXPECT_EQ(m_state.LinkSettings[BaudCode], 8);
    EXPECT_EQ(m_state.LinkSettings[ParityCode], 2);
    EXPECT_EQ(m_state.LinkSettings[SlaveAddress], 1);
    ASSERT_TRUE(QTest::qWaitFor([this] { return m_state.LinkSettings[OpenResult] == 0; }, kWait));
}

TEST_F(LinkConnectionTest, CloseStopsPollingAndClosesThePort) {
    m_connection.open(kSimPort, 5, 0, 1);
    QSignalSpy closed(&m_connection, &LinkConnection::closed);
    m_connection.close();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(m_connection.isOpen());
    EXPECT_FALSE(m_polling.isRunning());

    LinkReply seen;
    m_link.submit(ReadInputJob(m_state, 1, 16), nullptr, [&](const LinkReply& r) { seen = r; });
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(seen.failure, LinkFailure::PortClosed);
    EXPECT_EQ(seen.result, kNoAnswer);

    m_connection.open(kSimPort, 5, 0, 1);  // reopening resumes the updates
    QSignalSpy ticks(&m_polling, &PollingCycle::tickFinished);
    ASSERT_TRUE(ticks.wait(kWait));
    EXPECT_EQ(ticks.first().at(0).toInt(), 0);
}
