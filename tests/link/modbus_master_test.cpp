#include "modbus_master.h"

#include <gtest/gtest.h>

#include <array>

#include "master_on_line_test.h"

namespace vt::test {
namespace {

constexpr std::int32_t kUntouched = 777;

std::array<std::int32_t, 16> Untouched() {
    std::array<std::int32_t, 16> dest{};
    dest.fill(kUntouched);
    return dest;
}

using ModbusMasterTest = MasterOnLineTest;

}  // namespace

TEST_F(ModbusMasterTest, ReadsRegistersSignedAndBitsPacked) {
    m_line.model().setInput(1, -5);
    m_line.model().setInput(16, 32767);
    m_line.model().setHolding(4102, 2);
    m_line.model().setCoil(1, true);
    m_line.model().setCoil(3, true);
    m_line.model().setDiscreteInput(8, true);

    auto dest = Untouched();
    EXPECT_EQ(m_master.readInputRegisters(kSimPort, kSimSlave, 1, 16, dest.data()), 16);
    EXPECT_EQ(m_master.lastFailure(), LinkFailure::None);
    EXPECT_EQ(dest[0], -5);
    EXPECT_EQ(dest[15], 32767);

    std::array<std::int32_t, 33> config{};
    config.back() = kUntouched;  // one past the block: must not be written
    EXPECT_EQ(m_master.readHolding(kSimPort, kSimSlave, 4102, 32, config.data()), 32);
    EXPECT_EQ(config[0], 2);
    EXPECT_EQ(config[10], m_line.model().holding(4112));
    EXPECT_EQ(config.back(), kUntouched);

    std::int32_t word = kUntouched;
    EXPECT_EQ(m_master.readCoils(kSimPort, kSimSlave, 1, &word), 16);
    EXPECT_EQ(word, 0b101);
    EXPECT_EQ(m_master.readDiscreteInputs(kSimPort, kSimSlave, 1, &word), 16);
    EXPECT_EQ(word, 0x80);
}

TEST_F(ModbusMasterTest, WritesRegistersAndCoils) {
    EXPECT_EQ(m_master.writeHolding(kSimPort, kSimSlave, 3, -1234), 1);
    EXPECT_EQ(m_line.model().holding(3), -1234);
    EXPECT_EQ(m_master.writeHolding(kSimPort, kSimSlave, 3, 65535), 1);  // 16-bit pattern of -1
    EXPECT_EQ(m_line.model().holding(3), -1);
    EXPECT_GE(m_master.setCoil(kSimPort, kSimSlave, 4), 0);
    EXPECT_TRUE(m_line.model().coil(4));
    EXPECT_GE(m_master.resetCoil(kSimPort, kSimSlave, 4), 0);
    EXPECT_FALSE(m_line.model().coil(4));
}

TEST_F(ModbusMasterTest, RefusesRequestsOutsideTheProtocol) {
    auto dest = Untouched();
    std::array<std::int32_t, 130> big{};
    EXPECT_EQ(m_master.readInputRegisters(kSimPort, kSimSlave, 1, 126, big.data()), kRefused);
    EXPECT_EQ(m_master.readInputRegisters(kSimPort, kSimSlave, 1, 0, dest.data()), kRefused);
    EXPECT_EQ(m_master.readInputRegisters(kSimPort, kSimSlave, 65530, 16, dest.data()), kRefused);
    EXPECT_EQ(m_master.readInputRegisters(kSimPort, 0, 1, 16, dest.data()), kRefused);  // broadcast
    EXPECT_EQ(m_master.writeHolding(kSimPort, kSimSlave, 3, 65536), kRefused);
    EXPECT_EQ(m_master.lastFailure(), LinkFailure::Refused);
    EXPECT_EQ(dest, Untouched());
    EXPECT_EQ(big[0], 0);
    EXPECT_EQ(m_line.server().requestsReceived(), 0u);
    EXPECT_EQ(m_master.openPort(kSimPort, 9, 0), kRefused);
}

TEST_F(ModbusMasterTest, ExceptionAnswerGivesItsNegativeCode) {
    m_line.change([](sim::SimulatorOptions& o) { o.exceptionInputRegisters = {40}; });
    auto dest = Untouched();
    EXPECT_EQ(m_master.readInputRegisters(kSimPort, kSimSlave, 33, 16, dest.data()), -2);
    EXPECT_EQ(m_master.lastFailure(), LinkFailure::Exception);
    EXPECT_EQ(dest, Untouched());
    EXPECT_EQ(m_master.readInputRegisters(kSimPort, kSimSlave, 200, 16, dest.data()),
              -2);  // unmapped
}

TEST_F(ModbusMasterTest, NoValidAnswerIsMinus8888) {
    auto dest = Untouched();
    EXPECT_EQ(m_master.readInputRegisters(kSimPort, 2, 1, 16, dest.data()),
              kNoAnswer);  // nobody there
    EXPECT_EQ(m_master.lastFailure(), LinkFailure::NoAnswer);

    m_line.change([](sim::SimulatorOptions& o) { o.corruptRate = 1.0; });
    EXPECT_EQ(m_master.readInputRegisters(kSimPort, kSimSlave, 1, 16, dest.data()), kNoAnswer);
    EXPECT_EQ(m_master.lastFailure(), LinkFailure::NoAnswer);
    EXPECT_EQ(dest, Untouched());

    m_master.closePort(kSimPort);
    EXPECT_EQ(m_master.writeHolding(kSimPort, kSimSlave, 3, 1), kNoAnswer);
    EXPECT_EQ(m_master.lastFailure(), LinkFailure::PortClosed);
}

TEST_F(ModbusMasterTest, LateAnswerIsNotTakenForTheNextOne) {
    m_line.model().setInput(1, 111);
    m_line.model().setInput(33, 333);
    m_line.change([](sim::SimulatorOptions& o) {
        o.lateRate = 1.0;
        o.lateDelayMs = 150;  // beyond the response budget at 115200 baud
    });
    auto dest = Untouched();
    EXPECT_EQ(m_master.readInputRegisters(kSimPort, kSimSlave, 1, 16, dest.data()), kNoAnswer);

    m_line.change([](sim::SimulatorOptions& o) { o.lateRate = 0.0; });
    EXPECT_EQ(m_master.readInputRegisters(kSimPort, kSimSlave, 33, 16, dest.data()), 16);
    EXPECT_EQ(dest[0], 333);
}

TEST(ModbusMasterPorts, MissingDeviceLeavesThePortClosed) {
    PortDirectory ports;
    ports.setDevice(2, QStringLiteral("/nonexistent/ttyVT"));
    ModbusMaster master(ports);
    EXPECT_EQ(master.openPort(2, 2, 0), kNoAnswer);
    EXPECT_EQ(master.lastFailure(), LinkFailure::NoDevice);
    std::int32_t word = kUntouched;
    EXPECT_EQ(master.readDiscreteInputs(2, 1, 1, &word), kNoAnswer);
    EXPECT_EQ(word, kUntouched);
}

}  // namespace vt::test
