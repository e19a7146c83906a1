#pragma once

#include <QDateTime>
#include <QSqlDatabase>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "ring_record.h"

// Helpers for tests and benchmarks that need rings in a given state quickly.
namespace vt::testing {

// A fixed UTC start, so that no daylight-saving change falls between two records.
QDateTime FixtureStart();

// The eight values of the n-th record written (0 for the first), which goes to id `id`.
using RecordValues = std::function<std::array<double, 8>(std::int32_t n, std::int32_t id)>;

// Writes `count` records in time order, `stepSeconds` apart from `start`, into ids `firstId`,
// `firstId` + 1, ... (wrapping after the last id), in one transaction, and sets the ring's
// position to the last id written, which it returns. Record values are id + column / 10
// unless `values` gives them.
std::int32_t FillRing(const QSqlDatabase& db, Ring ring, std::int32_t firstId, std::int32_t count,
                      const QDateTime& start, int stepSeconds, const RecordValues& values = {});

// Every record of a ring, oldest first.
std::vector<RingRecord> RecordsByTime(const QSqlDatabase& db, Ring ring);

// The four fields of sl_void (all -1 when unreadable).
std::array<std::int32_t, 4> Positions(const QSqlDatabase& db);
bool SetPositions(const QSqlDatabase& db, std::int32_t secondId, std::int32_t tenSecondId);

}  // namespace vt::testing
