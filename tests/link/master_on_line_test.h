#pragma once

#include <gtest/gtest.h>

#include "modbus_master.h"
#include "simulated_line.h"

namespace vt::test {

// A test of the station's Modbus master with port 1 open at 115200 baud on a simulated line.
class MasterOnLineTest : public ::testing::Test {
  protected:
    explicit MasterOnLineTest(sim::SimulatorOptions options = SimulatedLine::Frozen())
        : m_line(options), m_master(m_line.ports()) {
        EXPECT_EQ(m_master.openPort(kSimPort, kFastBaud, 0), 0);
    }

    SimulatedLine m_line;
    ModbusMaster m_master;
};

}  // namespace vt::test
