// A ring record and the position that points to it are written together or not at all.
#include "ring_writer.h"

#include <gtest/gtest.h>

#include <QSqlQuery>

#include "ring_fixture.h"
#include "temp_station.h"

namespace vt::testing {
namespace {

struct Sabotage {
    const char* name;
    const char* statement;  // run on another connection after the first record
};

void PrintTo(const Sabotage& sabotage, std::ostream* out) { *out << sabotage.name; }

class RingWriteAllOrNothing : public ::testing::TestWithParam<std::tuple<Sabotage, Ring>> {
  protected:
    static std::vector<std::int32_t> Ids(const QSqlDatabase& db, Ring ring) {
        std::vector<std::int32_t> ids;
        for (const RingRecord& record : RecordsByTime(db, ring)) ids.push_back(record.id);
        return ids;
    }
};

// A position update that fails, or that finds no position to update, takes its record back
// with it: no record is left that the ring's position does not cover.
TEST_P(RingWriteAllOrNothing, FailedPositionUpdateLeavesNoRecordBehind) {
    const auto& [sabotage, ring] = GetParam();
    TempStation station;
    RingWriter writer(station.database.path());
    const std::array<float, 8> values{1, 2, 3, 4, 5, 6, 7, 8};
    ASSERT_EQ(writer.append(ring, 45363.0, 0.5, values), 1);

    QSqlQuery query(station.check.database());
    ASSERT_TRUE(query.exec(QString::fromLatin1(sabotage.statement)));
    EXPECT_FALSE(writer.append(ring, 45363.0, 0.5 + 1 / 86400.0, values));
    EXPECT_EQ(Ids(station.check.database(), ring), (std::vector<std::int32_t>{1}));
    EXPECT_EQ(writer.newestId(ring), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, RingWriteAllOrNothing,
    ::testing::Combine(::testing::Values(Sabotage{"PositionUpdateAborts",
                                                  "create trigger refuse before update on sl_void "
                                                  "begin select raise(abort, 'refused'); end"},
                                         Sabotage{"PositionsRowDeleted", "delete from sl_void"}),
                       ::testing::Values(Ring::Second, Ring::TenSecond)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) +
               (std::get<1>(info.param) == Ring::Second ? "Second" : "TenSecond");
    });

}  // namespace
}  // namespace vt::testing
