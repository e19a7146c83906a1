#include "record_appender.h"

#include "batch_record.h"
#include "record_reader.h"

namespace vt {

RecordAppender::RecordAppender(sqlite3* db)
    : m_db(db),
      m_insert(db,
               "insert into records (batch, seq, t, r_date, r_time, v1, v2, v3, v4, v5, v6, v7, "
               "v8, hash) values (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14)"),
      m_spans(db) {}

bool RecordAppender::append(std::int64_t batch, const BatchRecord& record, QByteArrayView hash) {
    if (batch != m_batch) resume(batch);
    if (!m_spanning) return insertRecord(batch, record, hash);
    MinuteRollup next = m_rollup;
    std::vector<MinuteSpan> done;
    next.add(record, done);
    if (done.empty() ? insertRecord(batch, record, hash) : spansWith(batch, done, record, hash)) {
        m_rollup = next;
        return true;
    }
    // The record counts, the spans do not: they stop until the next resume makes them up.
    m_spanning = false;
    return insertRecord(batch, record, hash);
}

bool RecordAppender::finish(std::int64_t batch) {
    if (batch != m_batch) resume(batch);
    const std::optional<MinuteSpan> last = m_rollup.take();
    return m_spanning && (!last || m_spans.write(batch, *last));
}

void RecordAppender::resume(std::int64_t batch) {
    m_rollup = {};
    m_batch = batch;
    std::vector<MinuteSpan> done;
    RecordReader reader(m_db);
    reader.select(batch, m_spans.coveredUpTo(batch) + 1);
    BatchRecord r;
    while (reader.next(r)) m_rollup.add(r, done);
    m_spanning = done.empty() || spansWith(batch, done, {}, {});
}

bool RecordAppender::spansWith(std::int64_t batch, const std::vector<MinuteSpan>& spans,
                               std::optional<BatchRecord> record, QByteArrayView hash) {
    bool ok = SqliteExec(m_db, "begin");
    for (const MinuteSpan& s : spans) ok = ok && m_spans.write(batch, s);
    ok = ok && (!record || insertRecord(batch, *record, hash)) && SqliteExec(m_db, "commit");
    if (!ok) SqliteExec(m_db, "rollback");
    return ok;
}

bool RecordAppender::insertRecord(std::int64_t batch, const BatchRecord& r, QByteArrayView hash) {
    m_insert.reset()
        .bind(1, batch)
        .bind(2, r.seq)
        .bind(3, r.timeMs)
        .bind(4, r.date)
        .bind(5, r.time);
    for (int k = 0; k < 8; ++k) m_insert.bind(6 + k, static_cast<double>(r.values[k]));
    m_insert.bindBlob(14, hash);
    return m_insert.run();
}

}  // namespace vt
