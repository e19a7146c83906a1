#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <memory>

#include "controller_link.h"
#include "link_connection.h"
#include "polling_cycle.h"
#include "simulated_line.h"

namespace vt::test {

inline constexpr int kLinkWaitMs = 10000;

// A test of the station's link stack on a simulated line: the controller link, its polling
// cycle (every `pollingIntervalMs`, or its own interval for 0) and the connection.
class LinkStackTest : public ::testing::Test {
  protected:
    explicit LinkStackTest(sim::SimulatorOptions options = SimulatedLine::Frozen(),
                           int pollingIntervalMs = 0,
                           SimulatedLine::Tcp tcp = SimulatedLine::Tcp::Off)
        : m_line(options, tcp), m_pollingIntervalMs(pollingIntervalMs) {
        build(m_line.ports());
    }

    // Makes the stack afresh over `ports`.
    void build(const PortDirectory& ports) {
        destroy();
        m_link = std::make_unique<ControllerLink>(ports);
        m_polling = std::make_unique<PollingCycle>(*m_link, m_state);
        if (m_pollingIntervalMs > 0) m_polling->setInterval(m_pollingIntervalMs);
        m_connection = std::make_unique<LinkConnection>(*m_link, *m_polling, m_state);
    }

    // Destroys the stack, the link last.
    void destroy() {
        m_connection.reset();
        m_polling.reset();
        m_link.reset();
    }

    bool waitIdle() {
        return QTest::qWaitFor([this] { return m_link->pendingJobs() == 0; }, kLinkWaitMs);
    }

    SimulatedLine m_line;
    ControllerState m_state;
    std::unique_ptr<ControllerLink> m_link;
    std::unique_ptr<PollingCycle> m_polling;
    std::unique_ptr<LinkConnection> m_connection;

  private:
    int m_pollingIntervalMs;
};

}  // namespace vt::test
