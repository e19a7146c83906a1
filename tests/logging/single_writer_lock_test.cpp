#include "single_writer_lock.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

using vt::SingleWriterLock;

namespace {

class SingleWriterLockTest : public ::testing::Test {
  protected:
    QString file() const { return m_dir.filePath(QStringLiteral("station.db")); }
    QTemporaryDir m_dir;
};

TEST_F(SingleWriterLockTest, ASecondWriterIsRefusedWithTheFileAndTheHolder) {
    SingleWriterLock first(file());
    ASSERT_TRUE(first.acquire());
    SingleWriterLock second(file());
    EXPECT_FALSE(second.acquire());
    const QString refusal = second.refusal();
    EXPECT_TRUE(refusal.contains(file())) << qPrintable(refusal);
    EXPECT_TRUE(refusal.contains(QString::number(QCoreApplication::applicationPid())))
        << qPrintable(refusal);
    EXPECT_TRUE(refusal.contains(file() + QStringLiteral(".lock"))) << qPrintable(refusal);
}

TEST_F(SingleWriterLockTest, ReleasedWhenTheHolderEnds) {
    {
        SingleWriterLock first(file());
        ASSERT_TRUE(first.acquire());
    }
    SingleWriterLock next(file());
    EXPECT_TRUE(next.acquire());
}

// A holder killed without releasing (no destructor runs after _exit) leaves its lock file.
TEST_F(SingleWriterLockTest, AStaleLockOfAKilledHolderIsTakenOver) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        SingleWriterLock held(file());
        _exit(held.acquire() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_EQ(WEXITSTATUS(status), 0);
    ASSERT_TRUE(QFile::exists(file() + QStringLiteral(".lock")));
    SingleWriterLock next(file());
    EXPECT_TRUE(next.acquire()) << qPrintable(next.refusal());
}

TEST_F(SingleWriterLockTest, MakesTheFoldersOfAFirstStart) {
    SingleWriterLock lock(m_dir.filePath(QStringLiteral("new/folder/station.db")));
    EXPECT_TRUE(lock.acquire());
}

}  // namespace
