#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "sim_master.h"
#include "simulator_server.h"

namespace vt::sim::test {

// A simulator's options with the process model frozen: values change only when written.
inline SimulatorOptions Frozen() {
    SimulatorOptions options;
    options.runProcess = false;
    return options;
}

// A test against a running simulator with a plain master on its terminal.
class SimLineTest : public ::testing::Test {
  protected:
    // Starts the simulator and connects the master (station 1, answer time-out `timeoutMs`);
    // a fatal failure when either does not work.
    void start(const SimulatorOptions& options = Frozen(), int timeoutMs = 500) {
        m_server = std::make_unique<SimulatorServer>(options);
        ASSERT_TRUE(m_server->start());
        m_master = std::make_unique<SimMaster>(m_server->devicePath(), 1, timeoutMs);
        ASSERT_TRUE(m_master->connected());
    }

    std::unique_ptr<SimulatorServer> m_server;
    std::unique_ptr<SimMaster> m_master;
};

}  // namespace vt::sim::test
