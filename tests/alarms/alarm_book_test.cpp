// The alarm state machine: sequences of conditions and answers, the state and count they leave
// and the transitions they record.
#include "alarm_book.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

// One step: '+' the condition comes on, '-' it goes off, 'a' acknowledge, 's' shelve for an
// hour, 'e' two hours pass (shelves run out).
struct BookCase {
    const char* name;
    const char* steps;
    AlarmState state;
    int count;
    const char* kinds;  // R raise, C clear, A acknowledge, S shelve, B return
};

char KindLetter(TransitionKind kind) {
    switch (kind) {
        case TransitionKind::Raise:
            return 'R';
        case TransitionKind::Clear:
            return 'C';
        case TransitionKind::Acknowledge:
            return 'A';
        case TransitionKind::Shelve:
            return 'S';
        case TransitionKind::Return:
            return 'B';
    }
    return '?';
}

class AlarmBookTest : public ::testing::TestWithParam<BookCase> {};

TEST_P(AlarmBookTest, StepsLeaveStateCountAndTransitions) {
    const BookCase& c = GetParam();
    AlarmBook book;
    QDateTime now(QDate(2026, 3, 1), QTime(10, 0));
    std::string kinds;
    const auto take = [&](const Transitions& ts) {
        for (const AlarmTransition& t : ts) kinds += KindLetter(t.kind);
    };
    for (const char* s = c.steps; *s; ++s) {
        now = now.addSecs(1);
        switch (*s) {
            case '+':
                take(book.setCondition(AlarmSource::Alarm1, true, "上限报警1", "12", now));
                break;
            case '-':
                take(book.setCondition(AlarmSource::Alarm1, false, {}, {}, now));
                break;
            case 'a':
                take(book.acknowledge(AlarmSource::Alarm1, "张三", {}, now));
                break;
            case 's':
                take(book.shelve(AlarmSource::Alarm1, now.addSecs(3600), "张三", {}, now));
                break;
            case 'e':
                now = now.addSecs(7200);
                take(book.expireShelves(now));
                break;
        }
    }
    const StandingAlarm& a = book.alarm(AlarmSource::Alarm1);
    EXPECT_EQ(a.state, c.state);
    if (c.state != AlarmState::Normal) {
        EXPECT_EQ(a.count, c.count);
    }
    EXPECT_EQ(kinds, c.kinds);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, AlarmBookTest,
    ::testing::Values(
        BookCase{"RaisedIsActiveUnack", "+", AlarmState::ActiveUnack, 1, "R"},
        BookCase{"AckedActiveStaysRed", "+a", AlarmState::ActiveAck, 1, "RA"},
        BookCase{"AckedThenClearedIsNormal", "+a-", AlarmState::Normal, 0, "RAC"},
        BookCase{"ClearedBeforeAckIsYellow", "+-", AlarmState::ClearedUnack, 1, "RC"},
        BookCase{"YellowAckedIsNormal", "+-a", AlarmState::Normal, 0, "RCA"},
        BookCase{"ComesBackBeforeAckCounts", "+-+-+", AlarmState::ActiveUnack, 3, "RCRCR"},
        BookCase{"NewAlarmAfterAckStartsCount", "+-+a-+", AlarmState::ActiveUnack, 1, "RCRACR"},
        BookCase{"AckWhenNormalRecordsNothing", "a", AlarmState::Normal, 0, ""},
        BookCase{"RepeatedConditionRecordsOnce", "++", AlarmState::ActiveUnack, 1, "R"},
        BookCase{"ShelvedIsGreyAndSilent", "+s-+", AlarmState::Shelved, 1, "RS"},
        BookCase{"ShelfEndsActiveRaisesAgain", "+se", AlarmState::ActiveUnack, 1, "RSB"},
        BookCase{"ShelfEndsClearedIsNormal", "+s-e", AlarmState::Normal, 0, "RSB"},
        BookCase{"NormalCannotBeShelved", "s", AlarmState::Normal, 0, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AlarmBook, RestoredActiveAlarmIsNotRaisedAgainButUnknownUntilRead) {
    AlarmBook book;
    AlarmTransition last;
    last.source = AlarmSource::Alarm2;
    last.kind = TransitionKind::Acknowledge;
    last.state = AlarmState::ActiveAck;
    last.who = QStringLiteral("李四");
    last.time = QDateTime::currentDateTime();
    book.restore(last);
    EXPECT_TRUE(book.alarm(AlarmSource::Alarm2).unknown);
    EXPECT_EQ(book.alarm(AlarmSource::Alarm2).ackBy, QStringLiteral("李四"));
    EXPECT_TRUE(book.setCondition(AlarmSource::Alarm2, true, {}, {}, last.time).empty());
    EXPECT_FALSE(book.alarm(AlarmSource::Alarm2).unknown);
    EXPECT_EQ(book.alarm(AlarmSource::Alarm2).state, AlarmState::ActiveAck);
}

}  // namespace
}  // namespace vt
