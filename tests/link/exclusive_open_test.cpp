// The station holds its serial port alone while it is open: a second master (another station,
// or any program that locks the terminal) is told the port is busy, not that nobody answers.
#include <gtest/gtest.h>

#include "failure_text.h"
#include "master_on_line_test.h"

namespace vt::test {
namespace {

class ExclusiveOpenTest : public MasterOnLineTest {};

TEST_F(ExclusiveOpenTest, ASecondOpenOfTheSameTerminalIsRefusedAsBusyUntilTheFirstCloses) {
    ModbusMaster second(m_line.ports());
    EXPECT_EQ(second.openPort(kSimPort, kFastBaud, 0), kNoAnswer);
    EXPECT_EQ(second.lastFailure(), LinkFailure::PortBusy);
    EXPECT_EQ(FailureText(second.lastFailure()), QStringLiteral("端口被占用"));
    EXPECT_FALSE(second.isOpen(kSimPort));

    std::int32_t value = 0;
    EXPECT_EQ(m_master.readHolding(kSimPort, kSimSlave, 3, 1, &value), 1);  // the holder reads on
    // Reopening with other settings is the holder's own business.
    EXPECT_EQ(m_master.openPort(kSimPort, 2, 0), 0);

    m_master.closePort(kSimPort);
    EXPECT_EQ(second.openPort(kSimPort, kFastBaud, 0), 0);
    EXPECT_EQ(second.readHolding(kSimPort, kSimSlave, 3, 1, &value), 1);
}

}  // namespace
}  // namespace vt::test
