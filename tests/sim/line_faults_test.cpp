#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "sim_line_test.h"
#include "wire_time.h"

namespace vt::sim::test {
namespace {

using LineFaultsTest = SimLineTest;

// Waits, bounded, until the server has sent this many answers.
bool WaitServed(const SimulatorServer& server, std::uint64_t count) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (server.requestsServed() < count) {
        if (std::chrono::steady_clock::now() > until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

TEST_F(LineFaultsTest, FirstRequestsGoUnansweredThenAnswersCome) {
    SimulatorOptions o = Frozen();
    o.failFirstAnswers = 2;
    ASSERT_NO_FATAL_FAILURE(start(o, 100));
    EXPECT_FALSE(m_master->writeRegister(3, 1500));
    EXPECT_EQ(m_master->error(), ETIMEDOUT);
    EXPECT_EQ(m_server->model().holding(3), 1000);  // a lost request is not carried out
    EXPECT_EQ(m_master->holding(3), SimMaster::kNone);
    m_master->setTimeout(2000);
    EXPECT_EQ(m_master->holding(3), 1000);
    EXPECT_EQ(m_server->requestsReceived(), 3u);
    EXPECT_EQ(m_server->requestsServed(), 1u);
}

TEST_F(LineFaultsTest, ExceptionRegistersRefuseEveryBlockTouchingThem) {
    SimulatorOptions o = Frozen();
    o.exceptionHoldingRegisters = {3};
    o.exceptionInputRegisters = {4100};
    ASSERT_NO_FATAL_FAILURE(start(o));
    std::vector<std::int16_t> values;
    EXPECT_FALSE(m_master->readHolding(1, 8, values));
    EXPECT_EQ(m_master->error(), EMBXILADD);
    EXPECT_TRUE(m_master->readHolding(1, 2, values));
    EXPECT_FALSE(m_master->writeRegister(3, 1200));
    EXPECT_EQ(m_master->error(), EMBXILADD);
    EXPECT_FALSE(m_master->readInput(4097, 16, values));
    EXPECT_TRUE(m_master->readInput(1, 16, values));

    o.exceptionHoldingRegisters.clear();  // and at run time
    m_server->setOptions(o);
    EXPECT_TRUE(m_master->writeRegister(3, 1200));
}

TEST_F(LineFaultsTest, CorruptAnswersFailTheCrcCheck) {
    SimulatorOptions o = Frozen();
    o.corruptRate = 1.0;
    ASSERT_NO_FATAL_FAILURE(start(o));
    EXPECT_EQ(m_master->holding(3), SimMaster::kNone);
    EXPECT_EQ(m_master->error(), EMBBADCRC);
}

TEST_F(LineFaultsTest, DropsFollowTheSeed) {
    SimulatorOptions o = Frozen();
    o.dropRate = 0.3;
    o.seed = 5;
    ASSERT_NO_FATAL_FAILURE(start(o, 200));
    auto pattern = [&] {
        std::string p;
        for (int i = 0; i < 8; ++i) p += m_master->holding(3) == 1000 ? 'a' : '-';
        return p;
    };
    const std::string first = pattern();
    EXPECT_NE(first.find('a'), std::string::npos);
    EXPECT_NE(first.find('-'), std::string::npos);
    m_server->setOptions(o);  // the same seed again
    EXPECT_EQ(pattern(), first);
}

TEST_F(LineFaultsTest, LateAnswersMissAShortTimeoutAndMeetALongOne) {
    SimulatorOptions o = Frozen();
    o.lateRate = 1.0;
    o.lateDelayMs = 600;
    ASSERT_NO_FATAL_FAILURE(start(o, 150));
    EXPECT_EQ(m_master->holding(3), SimMaster::kNone);
    EXPECT_EQ(m_master->error(), ETIMEDOUT);
    ASSERT_TRUE(WaitServed(*m_server, 1));
    modbus_flush(m_master->context());
    m_master->setTimeout(3000);
    EXPECT_EQ(m_master->holding(3), 1000) << modbus_strerror(m_master->error());
}

TEST_F(LineFaultsTest, WireTimeOfKnownFrames) {
    // 8-byte request and 37-byte answer at 19200 8N1: 45 chars + 2 x 3.5 chars of 10 bits.
    EXPECT_NEAR(TheoreticalWireSeconds(8, 37, 2, 0), 520.0 / 19200.0, 1e-12);
    // With parity a character has 11 bits; above 19200 baud each gap is 1.75 ms.
    EXPECT_NEAR(TheoreticalWireSeconds(8, 8, 5, 2), 16.0 * 11 / 115200.0 + 0.0035, 1e-12);
    EXPECT_NEAR(TheoreticalWireSeconds(8, 8, 0, 1), 23.0 * 11 / 4800.0, 1e-12);
}

TEST_F(LineFaultsTest, WireTimeEmulationStillAnswers) {
    SimulatorOptions o = Frozen();
    o.emulateWireTime = true;
    o.baudCode = 0;
    ASSERT_NO_FATAL_FAILURE(start(o, 3000));  // 4800 baud: about half a second
    std::vector<std::int16_t> values;
    EXPECT_TRUE(m_master->readHolding(4097, 112, values)) << modbus_strerror(m_master->error());
}

}  // namespace
}  // namespace vt::sim::test
