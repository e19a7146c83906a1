#pragma once

#include <cstdint>
#include <vector>

#include "minute_rollup.h"
#include "sqlite_statement.h"

namespace vt {

// The records file's table of minute spans (`record_minutes`). A file made before the table
// existed has none: every read then finds no span, and readers go to the records themselves.
class MinuteTable {
  public:
    explicit MinuteTable(sqlite3* db);

    bool write(std::int64_t batch, const MinuteSpan& span);
    // The spans with a record time within [fromMs, toMs], in sequence order.
    std::vector<MinuteSpan> overlapping(std::int64_t batch, std::int64_t fromMs, std::int64_t toMs);
    // The last record a span covers (0 when none). Spans are only ever written in sequence
    // order and together with the records they end on, so every record up to it is in a span.
    std::int64_t coveredUpTo(std::int64_t batch);

  private:
    sqlite3* m_db;
};

// The statement that makes the table when it is missing.
const char* MinuteTableSchema();

}  // namespace vt
