// The station over Modbus TCP against the simulator on the loopback: the same polling as over
// the serial line, the station address as unit identifier, a closed connection sorted as a
// lost port.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <array>
#include <tuple>
#include <vector>

#include "link_jobs.h"
#include "link_stack_test.h"
#include "modbus_master.h"

namespace vt::test {
namespace {

constexpr int kStation = 3;

sim::SimulatorOptions StationThree() {
    sim::SimulatorOptions options = SimulatedLine::Frozen();
    options.slaveAddress = kStation;
    return options;
}

using Request = std::tuple<LinkOp, std::int32_t, std::int32_t>;  // operation, first, count

class ModbusTcpTest : public LinkStackTest {
  protected:
    ModbusTcpTest() : LinkStackTest(StationThree(), 20, SimulatedLine::Tcp::On) {}

    // The requests of the first `ticks` ticks after opening `port`, in the order they came
    // back; fails the test unless every one was answered.
    std::vector<Request> pollTicks(int port, int ticks) {
        std::vector<Request> requests;
        const auto seen = QObject::connect(
            m_link.get(), &ControllerLink::jobFinished, [&](const LinkReply& reply) {
                if (reply.job.op == LinkOp::Open || reply.job.op == LinkOp::Close) return;
                EXPECT_TRUE(reply.ok()) << static_cast<int>(reply.failure);
                EXPECT_EQ(reply.job.port, port);
                requests.emplace_back(reply.job.op, reply.job.first, reply.job.count);
            });
        int done = 0;
        const auto counted =
            QObject::connect(m_polling.get(), &PollingCycle::tickFinished, [&](int) {
                if (++done == ticks) m_connection->close();
            });
        m_connection->open(port, kFastBaud, 0, kStation);
        EXPECT_TRUE(QTest::qWaitFor([&] { return done >= ticks; }, kLinkWaitMs));
        EXPECT_TRUE(waitIdle());
        QObject::disconnect(seen);
        QObject::disconnect(counted);
        return requests;
    }
};

}  // namespace

TEST_F(ModbusTcpTest, PollsTheSameBlocksInTheSameOrderAsOverTheSerialLine) {
    m_line.model().setInput(1, 1234);
    const std::vector<Request> serial = pollTicks(kSimPort, 2);
    const ControllerState overSerial = m_state;
    m_state = ControllerState{};
    const std::vector<Request> tcp = pollTicks(kSimTcpPort, 2);
    ASSERT_EQ(serial.size(), 15u);  // the configuration, then the live blocks twice
    EXPECT_EQ(tcp, serial);
    EXPECT_EQ(m_state.RawInput, overSerial.RawInput);
    EXPECT_EQ(m_state.InputConfig, overSerial.InputConfig);
    EXPECT_EQ(m_state.PidParam, overSerial.PidParam);
    EXPECT_EQ(m_state.RawInput[0], 1234);
}

TEST_F(ModbusTcpTest, StationAddressIsTheUnitIdentifierAndWritesGoThrough) {
    m_state.LinkSettings[PortNumber] = kSimTcpPort;
    m_link->submit(OpenJob(kSimTcpPort, kFastBaud, 0), nullptr);
    std::vector<LinkReply> replies;
    const auto keep = [&](const LinkReply& reply) { replies.push_back(reply); };
    m_state.LinkSettings[SlaveAddress] = kStation;
    m_link->submit(WriteRegisterJob(m_state, 3, 2500), nullptr, keep);
    m_state.LinkSettings[SlaveAddress] = kStation + 1;
    m_link->submit(ReadInputJob(m_state, 1, 16), nullptr, keep);
    ASSERT_TRUE(waitIdle());
    ASSERT_EQ(replies.size(), 2u);
    EXPECT_TRUE(replies[0].ok());
    EXPECT_EQ(m_line.model().holding(3), 2500);
    EXPECT_EQ(replies[1].failure, LinkFailure::NoAnswer);
}

TEST(ModbusTcpMaster, ClosedConnectionIsALostPort) {
    SimulatedLine line(SimulatedLine::Frozen(), SimulatedLine::Tcp::On);
    ModbusMaster master(line.ports());
    ASSERT_EQ(master.openPort(kSimTcpPort, kFastBaud, 0), 0);
    line.server().stop();
    std::int32_t word = 0;
    EXPECT_EQ(master.readCoils(kSimTcpPort, kSimSlave, 1, &word), kNoAnswer);
    EXPECT_EQ(master.lastFailure(), LinkFailure::PortLost);
    EXPECT_FALSE(master.isOpen(kSimTcpPort));
}

TEST(ModbusTcpMaster, LateAnswerIsNeverTakenForTheNextOne) {
    SimulatedLine line(SimulatedLine::Frozen(), SimulatedLine::Tcp::On);
    line.model().setInput(1, 111);
    line.model().setInput(33, 333);
    ModbusMaster master(line.ports());
    ASSERT_EQ(master.openPort(kSimTcpPort, kFastBaud, 0), 0);
    line.change([](sim::SimulatorOptions& o) {
        o.lateRate = 1.0;
        o.lateDelayMs = 700;  // beyond the response budget and the draining after it
    });
    std::array<std::int32_t, 16> dest{};
    EXPECT_EQ(master.readInputRegisters(kSimTcpPort, kSimSlave, 1, 16, dest.data()), kNoAnswer);
    line.change([](sim::SimulatorOptions& o) { o.lateRate = 0.0; });
    // The late answer arrives while the next request waits: that request may fail, but never
    // reads the other block's values.
    for (int attempt = 0; attempt < 2; ++attempt) {
        dest.fill(0);
        if (master.readInputRegisters(kSimTcpPort, kSimSlave, 33, 16, dest.data()) == 16) break;
    }
    EXPECT_EQ(dest[0], 333);
}

}  // namespace vt::test
