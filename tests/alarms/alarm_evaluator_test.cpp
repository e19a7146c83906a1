// The alarm evaluator: which inputs raise which alarm, the names of the configured alarms, the
// disk and clock rules, and the controller's alarms frozen while the link is down.
#include "alarm_evaluator.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

AlarmInputs UpAt(const QDateTime& now) {
    AlarmInputs in;
    in.now = now;
    in.linkUp = true;
    return in;
}

const QDateTime kStart(QDate(2026, 3, 1), QTime(10, 0));

struct NameCase {
    int alarm;
    int type;
    const char* name;
};
class AlarmNameTest : public ::testing::TestWithParam<NameCase> {};
TEST_P(AlarmNameTest, NamedByConfiguredType) {
    EXPECT_EQ(AlarmEvaluator::AlarmName(GetParam().alarm, GetParam().type),
              QString::fromUtf8(GetParam().name));
}
INSTANTIATE_TEST_SUITE_P(Types, AlarmNameTest,
                         ::testing::Values(NameCase{1, 1, "上限报警1"}, NameCase{2, 1, "上限报警2"},
                                           NameCase{2, 3, "上偏差报警2"},
                                           NameCase{1, 11, "ABS(PV1-PV2)报警"},
                                           NameCase{1, 0, "报警一"}, NameCase{2, 12, "报警二"},
                                           NameCase{1, -1, "报警一"}));

struct BitCase {
    std::size_t bit;
    AlarmSource source;
};
class AlarmBitTest : public ::testing::TestWithParam<BitCase> {};
TEST_P(AlarmBitTest, EachInputBitRaisesItsOwnAlarm) {
    AlarmBook book;
    AlarmEvaluator evaluator(book);
    AlarmInputs in = UpAt(kStart);
    in.inputBits[GetParam().bit] = true;
    const Transitions raised = evaluator.evaluate(in);
    ASSERT_EQ(raised.size(), 1u);
    EXPECT_EQ(raised[0].source, GetParam().source);
    EXPECT_EQ(raised[0].kind, TransitionKind::Raise);
}
INSTANTIATE_TEST_SUITE_P(
    Bits, AlarmBitTest,
    ::testing::Values(BitCase{0, AlarmSource::Alarm1}, BitCase{1, AlarmSource::Alarm2},
                      BitCase{4, AlarmSource::Pv1Open}, BitCase{5, AlarmSource::Pv1Short},
                      BitCase{6, AlarmSource::Pv2Open}, BitCase{7, AlarmSource::Pv2Short}));

TEST(AlarmEvaluator, NothingRaisedByBitsTwoAndThree) {
    AlarmBook book;
    AlarmEvaluator evaluator(book);
    AlarmInputs in = UpAt(kStart);
    in.inputBits[2] = in.inputBits[3] = true;
    EXPECT_TRUE(evaluator.evaluate(in).empty());
}

struct DiskCase {
    std::int64_t freeBytes;
    std::int64_t totalBytes;
    bool isShort;
};
class DiskRoomTest : public ::testing::TestWithParam<DiskCase> {};
TEST_P(DiskRoomTest, ShortUnderOneGigabyteOrFivePercent) {
    EXPECT_EQ(DiskRoomShort({GetParam().freeBytes, GetParam().totalBytes}), GetParam().isShort);
}
INSTANTIATE_TEST_SUITE_P(Rooms, DiskRoomTest,
                         ::testing::Values(DiskCase{999'999'999, 8'000'000'000, true},
                                           DiskCase{1'000'000'000, 8'000'000'000, false},
                                           DiskCase{2'499'999'999, 50'000'000'000, true},
                                           DiskCase{2'500'000'000, 50'000'000'000, false},
                                           DiskCase{0, 0, false}));

TEST(AlarmEvaluator, ControllerAlarmsFreezeWhileLinkDown) {
    AlarmBook book;
    AlarmEvaluator evaluator(book);
    AlarmInputs in = UpAt(kStart);
    in.inputBits[0] = true;
    in.alarm1Type = 1;
    ASSERT_EQ(evaluator.evaluate(in).size(), 1u);

    AlarmInputs down = in;
    down.now = kStart.addSecs(1);
    down.linkUp = false;
    down.linkDown = true;
    down.linkReason = QStringLiteral("无应答");
    down.inputBits.fill(false);
    const Transitions lost = evaluator.evaluate(down);
    ASSERT_EQ(lost.size(), 1u);
    EXPECT_EQ(lost[0].source, AlarmSource::LinkLost);
    EXPECT_EQ(lost[0].value, QStringLiteral("无应答"));
    EXPECT_EQ(book.alarm(AlarmSource::Alarm1).state, AlarmState::ActiveUnack);
    EXPECT_TRUE(book.alarm(AlarmSource::Alarm1).unknown);

    in.now = kStart.addSecs(2);
    const Transitions back = evaluator.evaluate(in);
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back[0].source, AlarmSource::LinkLost);
    EXPECT_EQ(back[0].kind, TransitionKind::Clear);
    EXPECT_FALSE(book.alarm(AlarmSource::Alarm1).unknown);
    EXPECT_EQ(book.alarm(AlarmSource::Alarm1).text, QStringLiteral("上限报警1"));
}

struct ClockCase {
    int backMs;
    bool raised;
};
class ClockBackTest : public ::testing::TestWithParam<ClockCase> {};
TEST_P(ClockBackTest, RaisedOnlyBeyondFiveSecondsAndClearedNextTime) {
    AlarmBook book;
    AlarmEvaluator evaluator(book);
    evaluator.evaluate(UpAt(kStart));
    const Transitions back = evaluator.evaluate(UpAt(kStart.addMSecs(-GetParam().backMs)));
    EXPECT_EQ(back.size(), GetParam().raised ? 1u : 0u);
    evaluator.evaluate(UpAt(kStart.addMSecs(-GetParam().backMs + 500)));
    EXPECT_EQ(book.alarm(AlarmSource::ClockBack).state,
              GetParam().raised ? AlarmState::ClearedUnack : AlarmState::Normal);
}
INSTANTIATE_TEST_SUITE_P(Steps, ClockBackTest,
                         ::testing::Values(ClockCase{5000, false}, ClockCase{5001, true},
                                           ClockCase{3'600'000, true}));

TEST(AlarmEvaluator, RecordsFileJudgedOnlyOnceItExists) {
    AlarmBook book;
    AlarmEvaluator evaluator(book);
    AlarmInputs in = UpAt(kStart);
    EXPECT_TRUE(evaluator.evaluate(in).empty());
    in.recordsUsable = false;
    const Transitions raised = evaluator.evaluate(in);
    ASSERT_EQ(raised.size(), 1u);
    EXPECT_EQ(raised[0].text, QStringLiteral("记录文件不可用"));
}

}  // namespace
}  // namespace vt
