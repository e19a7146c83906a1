// The batch page reads on workers: it says what it waits for, the button that needs the result
// waits, the result shows when it comes, and another batch chosen meanwhile drops the old one.
#include "batch_page.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "batch_chart.h"
#include "records_fixture.h"
#include "records_task.h"
#include "window_rig.h"

using namespace vt;

namespace {

bool ReadsEnded(const BatchPage& page) {
    const QList<RecordsTask*> tasks = page.findChildren<RecordsTask*>();
    return std::none_of(tasks.begin(), tasks.end(), [](RecordsTask* t) { return t->reading(); });
}

TEST(BatchPageReadsTest, EvaluationAndCheckShowTheWorkersResults) {
    vt::testing::RecordsFixture f;
    const std::int64_t id = f.closedBatch(20);
    BatchPage page(f.recorder());
    page.showBatch(id);
    auto* facts = test::Find<QLabel>(&page, QStringLiteral("BatchFacts"));
    EXPECT_EQ(facts->text(), QStringLiteral("正在评定…"));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return facts->text().contains(QStringLiteral("记录 20 条")); }, test::kWaitMs));
    EXPECT_GT(test::Find<QTableWidget>(&page, QStringLiteral("BatchEvents"))->rowCount(), 0);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !page.chart()->data().bands.empty(); }, test::kWaitMs));

    // The stored integrity says 记录完整; the check itself finds the changed record.
    ASSERT_TRUE(f.tamper(QStringLiteral("update records set v4 = v4 + 1 where seq = 5")));
    auto* integrity = test::Find<QLabel>(&page, QStringLiteral("BatchIntegrity"));
    auto* check = test::Find<QPushButton>(&page, QStringLiteral("CommandVerify"));
    check->click();
    EXPECT_EQ(integrity->text(), QStringLiteral("校验中"));
    EXPECT_FALSE(check->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return check->isEnabled(); }, test::kWaitMs));
    EXPECT_TRUE(integrity->text().startsWith(QStringLiteral("记录已被改动: 第 5 条")))
        << qPrintable(integrity->text());
}

TEST(BatchPageReadsTest, AnotherBatchChosenDropsTheFirstOnesResults) {
    vt::testing::RecordsFixture f;
    const std::int64_t first = f.closedBatch(400);
    const std::int64_t second = f.closedBatch(6);
    // The first one's check would name this record.
    ASSERT_TRUE(
        f.tamper(QStringLiteral("update records set v4 = v4 + 1 where batch = 1 and seq = 5")));
    BatchPage page(f.recorder());
    page.showBatch(first);
    test::Find<QPushButton>(&page, QStringLiteral("CommandVerify"))->click();
    page.showBatch(second);
    auto* integrity = test::Find<QLabel>(&page, QStringLiteral("BatchIntegrity"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return ReadsEnded(page); }, test::kWaitMs));
    EXPECT_EQ(integrity->text(), QStringLiteral("记录完整"));  // the second's, as stored
    auto* facts = test::Find<QLabel>(&page, QStringLiteral("BatchFacts"));
    EXPECT_TRUE(facts->text().contains(QStringLiteral("记录 6 条"))) << qPrintable(facts->text());
    EXPECT_EQ(page.batchId(), second);
    EXPECT_EQ(page.chart()->data().fromMs, f.recorder().store()->batch(second)->startedMs);
}

}  // namespace
