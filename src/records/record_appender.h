#pragma once

#include <QByteArrayView>
#include <cstdint>
#include <optional>

#include "batch_record.h"
#include "minute_rollup.h"
#include "minute_table.h"
#include "sqlite_statement.h"

namespace vt {

// Appends a batch's one-second records and keeps its minute spans: a span goes in with the
// record that completes it, in one transaction, so every record before the last span is in a
// span. What a span under way holds is made up again from the records after a restart. A span
// that cannot be written never costs a record: spans then stop until the next resume.
class RecordAppender {
  public:
    explicit RecordAppender(sqlite3* db);

    bool append(std::int64_t batch, const BatchRecord& record, QByteArrayView hash);
    // Writes the span under way (at the batch's end); false when it could not be written.
    bool finish(std::int64_t batch);

  private:
    // Picks up the batch's spans where the file leaves them.
    void resume(std::int64_t batch);
    bool insertRecord(std::int64_t batch, const BatchRecord& record, QByteArrayView hash);
    // The spans and (when given) the record in one transaction.
    bool spansWith(std::int64_t batch, const std::vector<MinuteSpan>& spans,
                   std::optional<BatchRecord> record, QByteArrayView hash);

    sqlite3* m_db;
    SqliteStatement m_insert;
    MinuteTable m_spans;
    MinuteRollup m_rollup;
    std::int64_t m_batch = 0;  // whose spans m_rollup holds
    bool m_spanning = false;   // false after a span could not be written
};

}  // namespace vt
