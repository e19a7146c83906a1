#include "polling_cycle.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <memory>
#include <vector>

#include "link_stack_test.h"

namespace vt::test {
namespace {

constexpr int kWait = 15000;
constexpr int kFastTicksMs = 20;

// Every table the polling cycle writes, for before/after comparisons.
struct Tables {
    explicit Tables(const ControllerState& s)
        : live(s.LiveValue),
          raw(s.RawInput),
          pid(s.ActivePid),
          program(s.ProgramStatus),
          runRaw(s.RunRaw),
          run(s.RunValue),
          param(s.PidParam),
          inputs(s.InputBits),
          coils(s.CoilBits),
          config(s.InputConfig),
          tempUnit(s.Scaling.TempUnit),
          input1Type(s.Scaling.Input1Type) {}
    bool operator==(const Tables&) const = default;

    std::array<float, 301> live;
    std::array<std::int32_t, 501> raw;
    std::array<std::int32_t, 101> pid;
    std::array<std::int32_t, 21> program;
    std::array<std::int32_t, 501> runRaw;
    std::array<float, 301> run;
    std::array<float, 51> param;
    std::array<std::int32_t, 101> inputs;
    std::array<std::int32_t, 101> coils;
    std::array<std::int32_t, 33> config;
    std::int32_t tempUnit;
    std::int32_t input1Type;
};

// Fills every table with values no controller read would produce.
void FillWithMarks(ControllerState& s) {
    s.LiveValue.fill(-1.5f);
    s.RawInput.fill(-7);
    s.ActivePid.fill(33);  // scaled twice would change
    s.ProgramStatus.fill(4444);
    s.RunRaw.fill(-9);
    s.RunValue.fill(2.5f);
    s.PidParam.fill(8.25f);
    s.InputBits.fill(1);
    s.CoilBits.fill(1);
    s.InputConfig.fill(3);
    s.RefreshScalingFromConfig();
}

// The station's link stack on one simulated (or missing) line, polling fast.
class PollingTest : public LinkStackTest {
  protected:
    explicit PollingTest(sim::SimulatorOptions options = SimulatedLine::Frozen())
        : LinkStackTest(options, kFastTicksMs) {}

    bool waitTicks(QSignalSpy& ticks, int count) {
        return QTest::qWaitFor([&] { return ticks.count() >= count; }, kWait);
    }
};

}  // namespace

TEST_F(PollingTest, OneTickFillsEveryTableFromTheController) {
    sim::ControllerModel& c = m_line.model();
    c.setHolding(4102, 0);   // Celsius
    c.setHolding(4109, 20);  // input 1 linear, two decimals
    c.setHolding(4112, 2);
    c.setHolding(4120, 3);  // input 2 a temperature sensor
    for (auto [reg, value] : std::initializer_list<std::pair<int, int>>{{1, 12345},
                                                                        {2, 456},
                                                                        {5, 789},
                                                                        {8, 3},
                                                                        {12, -1234},
                                                                        {14, 999},
                                                                        {34, 250},
                                                                        {36, 35},
                                                                        {41, 7},
                                                                        {4098, 15050},
                                                                        {4100, 3}}) {
        c.setInput(reg, static_cast<std::int16_t>(value));
    }
    c.setDiscreteInput(1, true);
    c.setDiscreteInput(3, true);
    c.setCoil(2, true);

    QSignalSpy ticks(m_polling.get(), &PollingCycle::tickFinished);
    m_connection->open(kSimPort, kFastBaud, 0, 1);
    ASSERT_TRUE(waitTicks(ticks, 1));
    m_connection->close();
    EXPECT_EQ(ticks.first().at(0).toInt(), 0);

    EXPECT_EQ(m_state.Scaling.Input1Type, 20);
    EXPECT_EQ(m_state.Scaling.Input1Decimals, 2);
    EXPECT_FLOAT_EQ(m_state.LiveValue[0], 123.45f);
    EXPECT_FLOAT_EQ(m_state.LiveValue[1], 45.6f);
    EXPECT_FLOAT_EQ(m_state.LiveValue[4], 78.9f);
    EXPECT_FLOAT_EQ(m_state.LiveValue[7], 3.0f);
    EXPECT_FLOAT_EQ(m_state.LiveValue[11], -12.34f);
    EXPECT_FLOAT_EQ(m_state.LiveValue[13], 99.9f);
    EXPECT_EQ(m_state.ActivePid[1], 2);  // 2.50 -> 2
    EXPECT_EQ(m_state.ActivePid[3], 4);
    EXPECT_EQ(m_state.ActivePid[8], 7);
    EXPECT_EQ(m_state.ProgramStatus[1], 150);
    EXPECT_EQ(m_state.ProgramStatus[3], 3);
    // Holding registers as the controller keeps them: tenths, input 1 in hundredths, raw.
    EXPECT_FLOAT_EQ(m_state.RunValue[1], c.holding(2) / 10.0f);
    EXPECT_FLOAT_EQ(m_state.RunValue[2], c.holding(3) / 100.0f);
    EXPECT_FLOAT_EQ(m_state.RunValue[6], c.holding(7));
    EXPECT_FLOAT_EQ(m_state.PidParam[0], c.holding(4353) / 100.0f);
    EXPECT_FLOAT_EQ(m_state.PidParam[1], c.holding(4354));
    EXPECT_FLOAT_EQ(m_state.PidParam[2], c.holding(4355) / 10.0f);
    EXPECT_NE(c.holding(4353), 0);
    EXPECT_EQ((std::vector<int>(m_state.InputBits.begin(), m_state.InputBits.begin() + 4)),
              (std::vector<int>{1, 0, 1, 0}));
    EXPECT_EQ((std::vector<int>(m_state.CoilBits.begin(), m_state.CoilBits.begin() + 4)),
              (std::vector<int>{0, 1, 0, 0}));
}

TEST_F(PollingTest, ConfigurationIsReadOnTheFirstAndTwelfthTick) {
    int ticksDone = 0;
    std::vector<int> configTicks;
    QObject::connect(m_link.get(), &ControllerLink::jobFinished, [&](const LinkReply& reply) {
        if (reply.job.first == 4102) configTicks.push_back(ticksDone + 1);
    });
    QObject::connect(m_polling.get(), &PollingCycle::tickFinished, [&](int) {
        if (++ticksDone == 13) m_connection->close();
    });
    m_connection->open(kSimPort, kFastBaud, 0, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticksDone >= 13; }, kWait));
    EXPECT_EQ(configTicks, (std::vector<int>{1, 12}));
    EXPECT_EQ(m_polling->ConfigRefreshCount(), 2);
    EXPECT_EQ(m_polling->failedBlocks(), 0);
}

TEST_F(PollingTest, EveryOpenReadsTheConfigurationOnItsFirstTick) {
    std::vector<int> configTicks;
    int ticksDone = 0;
    QObject::connect(m_link.get(), &ControllerLink::jobFinished, [&](const LinkReply& reply) {
        if (reply.job.first == 4102) configTicks.push_back(ticksDone + 1);
    });
    QObject::connect(m_polling.get(), &PollingCycle::tickFinished, [&](int) {
        if (++ticksDone == 4) m_connection->close();
    });
    m_connection->open(kSimPort, kFastBaud, 0, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticksDone >= 4; }, kWait));
    ASSERT_TRUE(waitIdle());
    m_connection->open(kSimPort, kFastBaud, 0, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticksDone >= 5; }, kWait));
    m_connection->close();
    EXPECT_EQ(configTicks, (std::vector<int>{1, 5}));
}

// The controller refuses the configuration block until the first tick has finished.
class FailedFirstConfigurationTest : public PollingTest {
  protected:
    static sim::SimulatorOptions RefuseConfiguration() {
        sim::SimulatorOptions options = SimulatedLine::Frozen();
        options.exceptionHoldingRegisters = {4102};
        return options;
    }
    FailedFirstConfigurationTest() : PollingTest(RefuseConfiguration()) {}
};

TEST_F(FailedFirstConfigurationTest, NothingIsStoredUntilTheConfigurationIsReadOnTheNextTick) {
    sim::ControllerModel& c = m_line.model();
    c.setHolding(4120, 20);  // input 2 linear, three decimals
    c.setHolding(4123, 3);
    c.setInput(5, 1500);
    FillWithMarks(m_state);
    const Tables before(m_state);
    std::unique_ptr<Tables> afterFirst;
    std::vector<int> configTicks;
    int ticksDone = 0;
    QObject::connect(m_link.get(), &ControllerLink::jobFinished, [&](const LinkReply& reply) {
        if (reply.job.first == 4102) configTicks.push_back(ticksDone + 1);
    });
    QObject::connect(m_polling.get(), &PollingCycle::tickFinished, [&](int) {
        if (++ticksDone == 1) {
            afterFirst = std::make_unique<Tables>(m_state);
            m_line.change([](sim::SimulatorOptions& o) { o.exceptionHoldingRegisters.clear(); });
        }
        if (ticksDone == 3) m_connection->close();
    });
    m_connection->open(kSimPort, kFastBaud, 0, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticksDone >= 3; }, kWait));
    ASSERT_TRUE(afterFirst);
    EXPECT_EQ(*afterFirst, before);
    EXPECT_EQ(configTicks, (std::vector<int>{1, 2}));
    EXPECT_FLOAT_EQ(m_state.LiveValue[4], 1.5f);
}

TEST_F(PollingTest, MissingDeviceLeavesEveryTableAsItWas) {
    PortDirectory missing;
    missing.setDevice(kSimPort, QStringLiteral("/nonexistent/ttyVT"));
    build(missing);
    FillWithMarks(m_state);
    const Tables before(m_state);
    QSignalSpy ticks(m_polling.get(), &PollingCycle::tickFinished);
    m_connection->open(kSimPort, kFastBaud, 0, 1);
    ASSERT_TRUE(waitTicks(ticks, 2));
    m_connection->close();
    EXPECT_EQ(ticks.at(0).at(0).toInt(), 8);
    EXPECT_EQ(ticks.at(1).at(0).toInt(), 8);  // the configuration is asked for again
    EXPECT_EQ(Tables(m_state), before);
    EXPECT_EQ(m_state.LinkSettings[OpenResult], kNoAnswer);
}

TEST_F(PollingTest, StoppedControllerLeavesEveryTableAsItWas) {
    m_line.model().setCoil(1, true);
    std::unique_ptr<Tables> lastGood;
    QSignalSpy ticks(m_polling.get(), &PollingCycle::tickFinished);
    QObject::connect(m_polling.get(), &PollingCycle::tickFinished, [&](int failed) {
        if (failed > 0 || lastGood) return;
        lastGood = std::make_unique<Tables>(m_state);
        m_line.server().stop();
    });
    m_connection->open(kSimPort, kFastBaud, 0, 1);
    ASSERT_TRUE(waitTicks(ticks, 4));
    m_connection->close();
    ASSERT_TRUE(lastGood);
    EXPECT_EQ(ticks.last().at(0).toInt(), 7);
    EXPECT_EQ(Tables(m_state), *lastGood);
    EXPECT_EQ(m_state.CoilBits[0], 1);
}

// At 4800 baud one tick takes longer than the interval.
class SlowPollingTest : public PollingTest {
  protected:
    SlowPollingTest() : PollingTest(SimulatedLine::Slow()) {}
};

TEST_F(SlowPollingTest, TicksNeverOverlapOnASlowLink) {
    std::vector<int> blocksPerTick;
    int blocks = 0;
    int mostPending = 0;
    QObject::connect(m_link.get(), &ControllerLink::jobFinished, [&](const LinkReply& reply) {
        if (reply.job.op != LinkOp::Open) ++blocks;
    });
    QObject::connect(m_polling.get(), &PollingCycle::tickFinished, [&](int) {
        blocksPerTick.push_back(blocks);
        blocks = 0;
    });
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout,
                     [&] { mostPending = std::max(mostPending, m_link->pendingJobs()); });
    sampler.start(5);
    m_polling->setInterval(100);
    m_connection->open(kSimPort, 0, 0, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return blocksPerTick.size() >= 3; }, kWait));
    m_connection->close();
    EXPECT_EQ(blocksPerTick[0], 8);
    EXPECT_EQ(blocksPerTick[1], 7);
    EXPECT_EQ(blocksPerTick[2], 7);
    EXPECT_LE(mostPending, 8);
    EXPECT_EQ(m_polling->failedBlocks(), 0);
}

}  // namespace vt::test
