#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "sim_master.h"
#include "simulator_server.h"
#include "wire_time.h"

namespace vt::sim {
namespace {

using test::SimMaster;

SimulatorOptions Frozen() {
    SimulatorOptions o;
    o.runProcess = false;
    return o;
}

// Waits, bounded, until the server has sent this many answers.
bool WaitServed(const SimulatorServer& server, std::uint64_t count) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (server.requestsServed() < count) {
        if (std::chrono::steady_clock::now() > until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

TEST(LineFaultsTest, FirstRequestsGoUnansweredThenAnswersCome) {
    SimulatorOptions o = Frozen();
    o.failFirstAnswers = 2;
    SimulatorServer server(o);
    ASSERT_TRUE(server.start());
    SimMaster master(server.devicePath(), 1, 100);
    EXPECT_FALSE(master.writeRegister(3, 1500));
    EXPECT_EQ(master.error(), ETIMEDOUT);
    EXPECT_EQ(server.model().holding(3), 1000);  // a lost request is not carried out
    EXPECT_EQ(master.holding(3), SimMaster::kNone);
    master.setTimeout(2000);
    EXPECT_EQ(master.holding(3), 1000);
    EXPECT_EQ(server.requestsReceived(), 3u);
    EXPECT_EQ(server.requestsServed(), 1u);
}

TEST(LineFaultsTest, ExceptionRegistersRefuseEveryBlockTouchingThem) {
    SimulatorOptions o = Frozen();
    o.exceptionHoldingRegisters = {3};
    o.exceptionInputRegisters = {4100};
    SimulatorServer server(o);
    ASSERT_TRUE(server.start());
    SimMaster master(server.devicePath());
    std::vector<std::int16_t> values;
    EXPECT_FALSE(master.readHolding(1, 8, values));
    EXPECT_EQ(master.error(), EMBXILADD);
    EXPECT_TRUE(master.readHolding(1, 2, values));
    EXPECT_FALSE(master.writeRegister(3, 1200));
    EXPECT_EQ(master.error(), EMBXILADD);
    EXPECT_FALSE(master.readInput(4097, 16, values));
    EXPECT_TRUE(master.readInput(1, 16, values));

    o.exceptionHoldingRegisters.clear();  // and at run time
    server.setOptions(o);
    EXPECT_TRUE(master.writeRegister(3, 1200));
}

TEST(LineFaultsTest, CorruptAnswersFailTheCrcCheck) {
    SimulatorOptions o = Frozen();
    o.corruptRate = 1.0;
    SimulatorServer server(o);
    ASSERT_TRUE(server.start());
    SimMaster master(server.devicePath());
    EXPECT_EQ(master.holding(3), SimMaster::kNone);
    EXPECT_EQ(master.error(), EMBBADCRC);
}

TEST(LineFaultsTest, DropsFollowTheSeed) {
    SimulatorOptions o = Frozen();
    o.dropRate = 0.3;
    o.seed = 5;
    SimulatorServer server(o);
    ASSERT_TRUE(server.start());
    SimMaster master(server.devicePath(), 1, 200);
    auto pattern = [&] {
        std::string p;
        for (int i = 0; i < 8; ++i) p += master.holding(3) == 1000 ? 'a' : '-';
        return p;
    };
    const std::string first = pattern();
    EXPECT_NE(first.find('a'), std::string::npos);
    EXPECT_NE(first.find('-'), std::string::npos);
    server.setOptions(o);  // the same seed again
    EXPECT_EQ(pattern(), first);
}

TEST(LineFaultsTest, LateAnswersMissAShortTimeoutAndMeetALongOne) {
    SimulatorOptions o = Frozen();
    o.lateRate = 1.0;
    o.lateDelayMs = 600;
    SimulatorServer server(o);
    ASSERT_TRUE(server.start());
    SimMaster master(server.devicePath(), 1, 150);
    EXPECT_EQ(master.holding(3), SimMaster::kNone);
    EXPECT_EQ(master.error(), ETIMEDOUT);
    ASSERT_TRUE(WaitServed(server, 1));
    modbus_flush(master.context());
    master.setTimeout(3000);
    EXPECT_EQ(master.holding(3), 1000) << modbus_strerror(master.error());
}

TEST(LineFaultsTest, WireTimeOfKnownFrames) {
    // 8-byte request and 37-byte answer at 19200 8N1: 45 chars + 2 x 3.5 chars of 10 bits.
    EXPECT_NEAR(TheoreticalWireSeconds(8, 37, 2, 0), 520.0 / 19200.0, 1e-12);
    // With parity a character has 11 bits; above 19200 baud each gap is 1.75 ms.
    EXPECT_NEAR(TheoreticalWireSeconds(8, 8, 5, 2), 16.0 * 11 / 115200.0 + 0.0035, 1e-12);
    EXPECT_NEAR(TheoreticalWireSeconds(8, 8, 0, 1), 23.0 * 11 / 4800.0, 1e-12);
}

TEST(LineFaultsTest, WireTimeEmulationStillAnswers) {
    SimulatorOptions o = Frozen();
    o.emulateWireTime = true;
    o.baudCode = 0;
    SimulatorServer server(o);
    ASSERT_TRUE(server.start());
    SimMaster master(server.devicePath(), 1, 3000);  // 4800 baud: about half a second
    std::vector<std::int16_t> values;
    EXPECT_TRUE(master.readHolding(4097, 112, values)) << modbus_strerror(master.error());
}

}  // namespace
}  // namespace vt::sim
