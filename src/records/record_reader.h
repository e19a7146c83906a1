#pragma once

#include <QByteArrayView>
#include <cstdint>
#include <limits>

#include "batch_record.h"
#include "sqlite_statement.h"

namespace vt {

// Reads a batch's records in sequence order straight from SQLite, a few hundred nanoseconds a
// record: the walks over whole chains, the evaluation, the CSV export and the charts.
class RecordReader {
  public:
    static constexpr std::int64_t kLast = std::numeric_limits<std::int64_t>::max();

    explicit RecordReader(sqlite3* db);

    // The records with seq from `first` to `last`, at most `limit` of them (-1: all).
    void select(std::int64_t batch, std::int64_t first, std::int64_t last = kLast,
                std::int64_t limit = -1);
    // The next record; false after the last.
    bool next(BatchRecord& out);
    // The stored hash of the record `next` gave last.
    QByteArrayView hash() const { return m_select.blob(12); }

  private:
    SqliteStatement m_select;
};

}  // namespace vt
