#include "ring_reader.h"

#include <gtest/gtest.h>

#include "ring_fixture.h"
#include "temp_station.h"

using namespace vt;

namespace {

std::vector<std::int32_t> IdsOf(const std::vector<RingRecord>& records) {
    std::vector<std::int32_t> ids;
    for (const RingRecord& record : records) ids.push_back(record.id);
    return ids;
}

std::vector<std::int32_t> IdRange(std::int32_t first, std::int32_t last) {
    std::vector<std::int32_t> ids;
    for (std::int32_t id = first; id <= last; ++id) ids.push_back(id);
    return ids;
}

class RingReaderTest : public ::testing::Test {
  protected:
    QSqlDatabase db() const { return m_station.check.database(); }

    vt::testing::TempStation m_station;
};

}  // namespace

TEST_F(RingReaderTest, WrappedWindowOf241EndingAtId100ComesBackOldestFirst) {
    // A full ring whose newest records are ids 1..100.
    vt::testing::FillRing(db(), Ring::TenSecond, 101, kRingCapacity, vt::testing::FixtureStart(),
                          10);
    RingReader reader(db(), Ring::TenSecond);
    ASSERT_EQ(reader.newestId(), 100);
    std::vector<std::int32_t> expected = IdRange(65360, 65500);
    for (std::int32_t id : IdRange(1, 100)) expected.push_back(id);
    const auto records = reader.readWindow(100, 241);
    EXPECT_EQ(IdsOf(records), expected);
    EXPECT_FLOAT_EQ(records.back().values[3], 100.3f);
}

TEST_F(RingReaderTest, WindowBelowTheEndIdReadsExactlyItsIds) {
    vt::testing::FillRing(db(), Ring::Second, 1, 6000, vt::testing::FixtureStart(), 1);
    RingReader reader(db(), Ring::Second);
    EXPECT_EQ(IdsOf(reader.readWindow(5000, 321)), IdRange(4680, 5000));
    EXPECT_EQ(IdsOf(reader.readWindow(321, 321)), IdRange(1, 321));
}

TEST_F(RingReaderTest, RingNotYetFullGivesOnlyTheRecordsWritten) {
    vt::testing::FillRing(db(), Ring::Second, 1, 50, vt::testing::FixtureStart(), 1);
    RingReader reader(db(), Ring::Second);
    EXPECT_EQ(reader.newestId(), 50);
    EXPECT_EQ(IdsOf(reader.readWindow(50, 241)), IdRange(1, 50));
}

TEST_F(RingReaderTest, EachRingReadsItsOwnPosition) {
    vt::testing::SetPositions(db(), 1234, 77);
    EXPECT_EQ(RingReader(db(), Ring::Second).newestId(), 1234);
    EXPECT_EQ(RingReader(db(), Ring::TenSecond).newestId(), 77);
}
