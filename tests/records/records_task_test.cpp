// Reads of the records file on a worker: only the newest request's result comes back, and the
// task's end cuts a read short and leaves no connection behind.
#include "records_task.h"

#include <gtest/gtest.h>

#include <QSqlDatabase>
#include <QTest>

#include "batch_store.h"
#include "records_fixture.h"
#include "window_rig.h"

using namespace vt;

namespace {

struct SupersedeCase {
    const char* name;
    bool newerRead;  // else the task is cancelled
    std::vector<int> delivered;
};

class RecordsTaskSupersedeTest : public ::testing::TestWithParam<SupersedeCase> {};

// The first read ignores its stop flag and ends only when the test lets it, after the newer
// request: its result is there, and must still be dropped.
TEST_P(RecordsTaskSupersedeTest, OnlyTheNewestRequestIsDelivered) {
    vt::testing::RecordsFixture f;
    f.closedBatch(4);
    RecordsTask task(f.path());
    std::atomic<bool> started{false};
    std::atomic<bool> release{false};
    std::vector<int> delivered;
    const auto keep = [&](int value) { delivered.push_back(value); };
    task.run<int>(
        [&](const BatchStore&, const std::atomic<bool>&) {
            started = true;
            while (!release) QThread::yieldCurrentThread();
            return 1;
        },
        keep);
    ASSERT_TRUE(QTest::qWaitFor([&] { return started.load(); }, test::kWaitMs));
    if (GetParam().newerRead)
        task.run<int>(
            [](const BatchStore& store, const std::atomic<bool>&) {
                return static_cast<int>(store.recordCount(1)) * 10;
            },
            keep);
    else
        task.cancel();
    EXPECT_EQ(task.busy(), GetParam().newerRead);
    release = true;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !task.reading(); }, test::kWaitMs));
    EXPECT_EQ(delivered, GetParam().delivered);
}

INSTANTIATE_TEST_SUITE_P(Requests, RecordsTaskSupersedeTest,
                         ::testing::Values(SupersedeCase{"newerRead", true, {40}},
                                           SupersedeCase{"cancelled", false, {}}),
                         [](const auto& info) { return std::string(info.param.name); });

// A read that never looks at its stop flag: only the interruption of its statements ends it.
// Nothing is delivered, and the task takes its connection with it.
TEST(RecordsTaskTest, DestroyedMidReadEndsItAndLeavesNoConnection) {
    vt::testing::RecordsFixture f;
    const std::int64_t id = f.closedBatch(200);
    const QStringList connections = QSqlDatabase::connectionNames();
    std::atomic<int> walks{0};
    bool delivered = false;
    {
        RecordsTask task(f.path());
        task.run<int>(
            [&](const BatchStore& store, const std::atomic<bool>&) {
                for (int n = 1; n > 0; ++walks) {
                    n = 0;
                    store.records(id, 0, -1, [&](const BatchRecord&) { ++n; });
                }
                return 0;
            },
            [&](int) { delivered = true; });
        ASSERT_TRUE(QTest::qWaitFor([&] { return walks > 0; }, test::kWaitMs));
    }
    QCoreApplication::processEvents();
    EXPECT_FALSE(delivered);
    EXPECT_EQ(QSqlDatabase::connectionNames(), connections);
}

}  // namespace
