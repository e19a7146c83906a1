#include "batch_series_source.h"

#include "minute_table.h"
#include "record_reader.h"

namespace vt {

BatchSeriesSource::BatchSeriesSource(const BatchStore& store, std::int64_t batch)
    : m_store(store), m_batch(batch) {}

void BatchSeriesSource::read(const QDateTime& from, const QDateTime& to, const Sample& sample) {
    const std::int64_t first = from.toMSecsSinceEpoch();
    const std::int64_t last = to.toMSecsSinceEpoch();
    sqlite3* db = SqliteHandle(m_store.database());
    RecordReader reader(db);
    const auto readSeqs = [&](std::int64_t firstSeq, std::int64_t lastSeq) {
        reader.select(m_batch, firstSeq, lastSeq);
        BatchRecord r;
        while (reader.next(r))
            if (r.timeMs >= first && r.timeMs <= last)
                sample((r.timeMs - first) / 1000.0, r.values);
    };
    // A span holds the earliest and the latest time of its records, so every record of the
    // range lies in a span that overlaps it. Spans that follow on without a gap are read as one.
    // The spans' end is taken first: spans written meanwhile are read as records after it.
    MinuteTable spans(db);
    const std::int64_t covered = spans.coveredUpTo(m_batch);
    std::int64_t runFirst = 0;
    std::int64_t runLast = -1;
    for (const MinuteSpan& s : spans.overlapping(m_batch, first, last)) {
        if (s.lastSeq > covered) break;
        if (runLast >= runFirst && s.firstSeq > runLast + 1) {
            readSeqs(runFirst, runLast);
            runLast = -1;
        }
        if (runLast < runFirst) runFirst = s.firstSeq;
        runLast = s.lastSeq;
    }
    if (runLast >= runFirst) readSeqs(runFirst, runLast);
    readSeqs(covered + 1, RecordReader::kLast);
}

std::pair<QDateTime, QDateTime> BatchSeriesSource::extent() {
    const auto batch = m_store.batch(m_batch);
    if (!batch) return {};
    const QDateTime start = QDateTime::fromMSecsSinceEpoch(batch->startedMs);
    return {start, batch->isOpen() ? std::max(start, QDateTime::currentDateTime())
                                   : QDateTime::fromMSecsSinceEpoch(batch->endedMs)};
}

}  // namespace vt
