#include "program_model.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include "program_catalogue.h"
#include "program_reads.h"
#include "window_rig.h"

namespace vt {
namespace {

InputScaling OneDecimal() { return {}; }  // Celsius: one decimal place
InputScaling Fahrenheit() { return InputScaling{1, 0, 0, 0, 0}; }

// Where each field goes and what an entry writes there, by the catalogue's rules.
struct FieldWrite {
    Parameter parameter;
    const char* entry;
    InputScaling scaling;
    std::int32_t reg;
    std::optional<std::int32_t> written;  // none: rejected by the range
    RetryRule retry;
};

class FieldWriteTest : public ::testing::TestWithParam<FieldWrite> {};

TEST_P(FieldWriteTest, GoesToItsRegisterConvertedByItsRule) {
    const FieldWrite& c = GetParam();
    EXPECT_EQ(c.parameter.reg, c.reg);
    EXPECT_EQ(c.parameter.retry, c.retry);
    EXPECT_EQ(ParameterValue(c.parameter, c.entry, c.scaling), c.written);
}

const Parameter& ProgramParameter(int offset) {
    for (const ProgramParameterEntry& entry : ProgramParameters())
        if (entry.offset == offset) return entry.parameter;
    throw std::out_of_range("no such parameter");
}

constexpr auto kAny = RetryRule::OnAnyFailure;
constexpr auto kNoAnswer = RetryRule::OnNoAnswer;

INSTANTIATE_TEST_SUITE_P(
    Segments, FieldWriteTest,
    ::testing::Values(
        // Set points in whole units first, then scaled.
        FieldWrite{SegmentFieldParameter(1, 0), "100.5", OneDecimal(), 8209, 1000, kAny},
        FieldWrite{SegmentFieldParameter(1, 0), "30000", Fahrenheit(), 8209, 30000, kAny},
        FieldWrite{SegmentFieldParameter(1, 0), "30001", Fahrenheit(), 8209, std::nullopt, kAny},
        FieldWrite{SegmentFieldParameter(1, 0), "-10001", Fahrenheit(), 8209, std::nullopt, kAny},
        FieldWrite{SegmentFieldParameter(1, 5), "1", OneDecimal(), 8214, 1, kAny},
        FieldWrite{SegmentFieldParameter(24, 0), "-50", OneDecimal(), 8393, -500, kAny},
        FieldWrite{SegmentFieldParameter(24, 3), "-7", OneDecimal(), 8396, -7, kAny},
        FieldWrite{SegmentFieldParameter(24, 5), "-1", OneDecimal(), 8398, std::nullopt, kAny}));

INSTANTIATE_TEST_SUITE_P(
    Parameters, FieldWriteTest,
    ::testing::Values(
        // The wait deviation keeps its decimals; lists write the number typed, unchecked.
        FieldWrite{ProgramParameter(1), "2.5", OneDecimal(), 8194, 25, kNoAnswer},
        FieldWrite{ProgramParameter(5), "2:来电从第一段运行 ", OneDecimal(), 8198, 2, kNoAnswer},
        FieldWrite{ProgramParameter(5), "4", OneDecimal(), 8198, 4, kNoAnswer},
        FieldWrite{ProgramParameter(10), "12.5", OneDecimal(), 8203, 12, kNoAnswer},
        FieldWrite{ProgramParameter(11), "1:剩余时间 ", OneDecimal(), 8204, 1, kNoAnswer}));

TEST(ProgramReads, ParameterBlockKeepsTheWaitDeviationInWholeUnits) {
    ProgramMirror mirror;
    std::vector<std::int32_t> block(16);
    for (int i = 0; i < 16; ++i) block[static_cast<std::size_t>(i)] = 100 + i;
    block[1] = 25;  // 2.5 goes to the even neighbour
    StoreParameterBlock(mirror, block, OneDecimal());
    EXPECT_EQ(mirror.Parameters[1], 2);
    EXPECT_EQ(mirror.Parameters[0], 100);
    EXPECT_EQ(mirror.Parameters[15], 115);
    block[1] = 35;
    StoreParameterBlock(mirror, block, OneDecimal());
    EXPECT_EQ(mirror.Parameters[1], 4);
}

TEST(ProgramReads, SegmentBlocksFillTheirEightSegmentsAndSkipFieldsSixAndSeven) {
    ProgramMirror mirror;
    std::vector<std::int32_t> block(64);
    for (int i = 0; i < 64; ++i) block[static_cast<std::size_t>(i)] = i;
    block[56] = 1005;  // segment 24's set point: 100.5 read back as 100
    StoreSegmentBlock(mirror, 2, block, OneDecimal());
    EXPECT_EQ(mirror.setPoint(24), 100);
    for (int k = 1; k < 6; ++k) EXPECT_EQ(mirror.field(24, k), 56 + k);
    EXPECT_EQ(mirror.field(17, 5), 5);
    EXPECT_EQ(mirror.field(16, 1), 0);  // block 1 not read
    StoreSegmentBlock(mirror, 0, std::vector<std::int32_t>(20, 7), OneDecimal());
    EXPECT_EQ(mirror.field(2, 1), 7);  // whole records only
    EXPECT_EQ(mirror.field(3, 1), 0);
}

struct StartCase {
    std::int32_t select;
    float pv1;
    float sv1;
    std::int32_t start;
};

class StartValueTest : public ::testing::TestWithParam<StartCase> {};

TEST_P(StartValueTest, IsPv1OrSv1InWholeUnits) {
    ControllerState state;
    state.CurveMirror.Parameters[6] = GetParam().select;
    state.LiveValue[0] = GetParam().pv1;
    state.LiveValue[2] = GetParam().sv1;
    EXPECT_EQ(StartValue(state), GetParam().start);
}

INSTANTIATE_TEST_SUITE_P(Table, StartValueTest,
                         ::testing::Values(StartCase{0, 25.4f, 100.0f, 25},
                                           StartCase{0, 24.5f, 100.0f, 24},
                                           StartCase{1, 25.4f, 99.5f, 100},
                                           StartCase{3, 25.4f, -12.6f, -13}));

// The model against the simulated controller, without a window.
class ProgramModelTest : public ::testing::Test {
  protected:
    ProgramModelTest() : m_model(m_rig.link, m_rig.state) {
        EXPECT_TRUE(m_rig.openPort());
        m_rig.polling.stop();
    }

    int upload() {
        QSignalSpy uploaded(&m_model, &ProgramModel::uploaded);
        EXPECT_TRUE(m_model.upload());
        EXPECT_TRUE(uploaded.wait(test::kWaitMs));
        return uploaded.isEmpty() ? -1 : uploaded.first().first().toInt();
    }

    sim::ControllerModel& controller() { return m_rig.line.model(); }

    test::WindowRig m_rig;
    ProgramModel m_model;
};

TEST_F(ProgramModelTest, UploadReadsTheWholeSegmentTable) {
    for (int k = 0; k < 8; ++k) controller().setHolding(8393 + k, static_cast<std::int16_t>(k + 1));
    controller().setHolding(8393, 1255);  // 125.5 -> 126
    EXPECT_EQ(upload(), 0);
    const ProgramMirror& mirror = m_model.mirror();
    EXPECT_EQ(mirror.setPoint(1), 100);  // the simulator's curve 0: 100.0 for 10 minutes
    EXPECT_EQ(mirror.time(1), 10);
    EXPECT_EQ(mirror.field(2, 5), 1);
    EXPECT_EQ(mirror.setPoint(24), 126);
    EXPECT_EQ(
        (std::vector<std::int32_t>(mirror.Segments[24].begin() + 1, mirror.Segments[24].end())),
        (std::vector<std::int32_t>{2, 3, 4, 5, 6}));
    EXPECT_FALSE(m_model.uploading());
}

TEST_F(ProgramModelTest, AFailedBlockLeavesItsSegmentsAsTheyWere) {
    EXPECT_EQ(upload(), 0);
    controller().setHolding(8210, 55);  // segment 1 time
    controller().setHolding(8282, 66);  // segment 10 time
    m_rig.line.change([](sim::SimulatorOptions& o) { o.exceptionHoldingRegisters = {8300}; });
    EXPECT_EQ(upload(), 1);
    EXPECT_EQ(m_model.mirror().time(1), 55);
    EXPECT_EQ(m_model.mirror().time(10), 0);
}

TEST_F(ProgramModelTest, AnUploadUnderWayIsNotQueuedTwice) {
    QSignalSpy uploaded(&m_model, &ProgramModel::uploaded);
    EXPECT_TRUE(m_model.upload());
    EXPECT_FALSE(m_model.upload());
    EXPECT_TRUE(uploaded.wait(test::kWaitMs));
    EXPECT_TRUE(m_rig.waitIdle());
    EXPECT_EQ(uploaded.count(), 1);
}

TEST_F(ProgramModelTest, ParameterReadConvertsTheWaitDeviation) {
    controller().setHolding(8194, 57);  // 5.7 -> 6
    QSignalSpy read(&m_model, &ProgramModel::parametersRead);
    m_model.parameterRead().readNow();
    ASSERT_TRUE(read.wait(test::kWaitMs));
    EXPECT_EQ(m_model.mirror().Parameters[1], 6);
    EXPECT_EQ(m_model.mirror().Parameters[2], 1);  // minutes
    EXPECT_EQ(m_model.mirror().Parameters[3], 4);  // four segments
}

TEST_F(ProgramModelTest, CurveSelectionWritesRegister7AndKeepsTheSegments) {
    EXPECT_EQ(upload(), 0);
    const std::size_t mark = m_rig.writeCount();
    m_model.selectCurve(3);
    EXPECT_TRUE(m_rig.waitForWrite("holding 7 3", mark));
    EXPECT_TRUE(m_model.parameterRead().isRunning());
    EXPECT_EQ(m_model.mirror().setPoint(1), 100);  // curve 0's until the next upload
    EXPECT_EQ(upload(), 0);
    EXPECT_EQ(m_model.mirror().setPoint(1), 250);
}

TEST_F(ProgramModelTest, CurveSelectionIsSentAgainOnlyWithoutAnAnswer) {
    const auto requests = [&] { return m_rig.line.server().requestsReceived(); };
    m_rig.line.change([](sim::SimulatorOptions& o) { o.exceptionHoldingRegisters = {7}; });
    ASSERT_TRUE(m_rig.waitIdle());
    std::uint64_t before = requests();
    m_model.selectCurve(2);
    m_model.parameterRead().stop();  // only the write on the line
    ASSERT_TRUE(m_rig.waitIdle());
    EXPECT_EQ(requests() - before, 1u);
    m_rig.line.change([](sim::SimulatorOptions& o) {
        o.exceptionHoldingRegisters.clear();
        o.failFirstAnswers = 1;
    });
    before = requests();
    const std::size_t mark = m_rig.writeCount();
    m_model.selectCurve(2);
    m_model.parameterRead().stop();
    EXPECT_TRUE(m_rig.waitForWrite("holding 7 2", mark));
    ASSERT_TRUE(m_rig.waitIdle());
    EXPECT_EQ(requests() - before, 2u);
}

}  // namespace
}  // namespace vt
