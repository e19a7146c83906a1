#include "outbox.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QTemporaryDir>

namespace vt {
namespace {

class OutboxTest : public ::testing::Test {
  protected:
    QString path() const { return m_dir.filePath(QStringLiteral("Outbox.db")); }
    static std::int64_t SeqOf(const OutboxEntry& entry) {
        return QJsonDocument::fromJson(entry.payload).object()["seq"].toInteger();
    }
    static QJsonObject Body(int n) { return {{QStringLiteral("n"), n}}; }

    QTemporaryDir m_dir;
    QDateTime m_now = QDateTime::currentDateTime();
};

TEST_F(OutboxTest, SequenceNumbersGoOnPerTopicAfterAReopenAndLeaveOnlyWhenAcknowledged) {
    {
        Outbox outbox(path());
        ASSERT_TRUE(outbox.open());
        for (int i = 0; i < 3; ++i) outbox.add(QStringLiteral("journal"), Body(i), m_now);
        outbox.add(QStringLiteral("alarm"), Body(9), m_now);
        EXPECT_EQ(outbox.takeSequence(QStringLiteral("live")), 1);
        EXPECT_EQ(outbox.takeSequence(QStringLiteral("live")), 2);
        const auto waiting = outbox.after(0, 10);
        ASSERT_EQ(waiting.size(), 4u);
        outbox.remove({waiting[0]});
    }
    Outbox outbox(path());
    ASSERT_TRUE(outbox.open());
    const auto waiting = outbox.after(0, 10);
    ASSERT_EQ(waiting.size(), 3u);
    EXPECT_EQ(SeqOf(waiting[0]), 2);  // the entry sent again carries the number it had
    EXPECT_EQ(waiting[2].topic, QStringLiteral("alarm"));
    EXPECT_EQ(SeqOf(waiting[2]), 1);
    EXPECT_EQ(outbox.add(QStringLiteral("journal"), Body(3), m_now)->seq, 4);
    EXPECT_GT(outbox.takeSequence(QStringLiteral("live")), 2);  // never a number given before
    EXPECT_EQ(outbox.counters().waiting, 4);
}

TEST_F(OutboxTest, OverItsSizeTheOldestHistoryGoesFirstAndOnlyThenCountedOthers) {
    OutboxLimits limits;
    Outbox probe(m_dir.filePath(QStringLiteral("probe.db")));
    ASSERT_TRUE(probe.open());
    probe.add(QStringLiteral("history"), Body(0), m_now);
    const std::int64_t one = probe.bytes();
    limits.maxBytes = one * 6;
    Outbox outbox(path(), limits);
    ASSERT_TRUE(outbox.open());
    for (int i = 0; i < 3; ++i) outbox.add(QStringLiteral("history"), Body(i), m_now);
    for (int i = 0; i < 3; ++i) outbox.add(QStringLiteral("journal"), Body(i), m_now);
    EXPECT_EQ(outbox.counters().waiting, 6);
    outbox.add(QStringLiteral("journal"), Body(3), m_now);
    auto waiting = outbox.after(0, 10);
    ASSERT_EQ(waiting.size(), 6u);
    EXPECT_EQ(QJsonDocument::fromJson(waiting[0].payload).object()["n"].toInt(), 1);
    EXPECT_EQ(outbox.counters().droppedHistory, 1);
    EXPECT_EQ(outbox.counters().dropped, 0);
    for (int i = 4; i < 7; ++i) outbox.add(QStringLiteral("journal"), Body(i), m_now);
    waiting = outbox.after(0, 10);
    ASSERT_EQ(waiting.size(), 6u);
    EXPECT_EQ(waiting[0].topic, QStringLiteral("journal"));
    EXPECT_EQ(SeqOf(waiting[0]), 2);  // all history gone, then the oldest journal entry
    EXPECT_EQ(outbox.counters().droppedHistory, 3);
    EXPECT_EQ(outbox.counters().dropped, 1);
}

TEST_F(OutboxTest, MessagesOlderThanTheAgeBoundGoAndTheDropCountIsKept) {
    OutboxLimits limits;
    limits.maxAgeMs = 1000;
    {
        Outbox outbox(path(), limits);
        ASSERT_TRUE(outbox.open());
        outbox.add(QStringLiteral("history"), Body(0), m_now);
        outbox.add(QStringLiteral("journal"), Body(1), m_now);
        outbox.keepBounds(m_now);
        EXPECT_EQ(outbox.counters().waiting, 2);
        outbox.keepBounds(m_now.addSecs(5));
        EXPECT_EQ(outbox.counters().waiting, 0);
    }
    Outbox outbox(path(), limits);
    ASSERT_TRUE(outbox.open());
    EXPECT_EQ(outbox.counters().dropped, 1);
    EXPECT_EQ(outbox.counters().droppedHistory, 1);
}

}  // namespace
}  // namespace vt
