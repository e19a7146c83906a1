#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "batch_record.h"
#include "batch_summary.h"
#include "chain_export.h"

namespace vt {

// What the list is narrowed to; empty fields do not narrow.
struct BatchFilter {
    std::int64_t fromMs = 0;
    std::int64_t toMs = 0;
    QString number;
    QString part;
};

// One value column's lowest and highest reading within one pixel column of a chart.
struct ColumnBand {
    int column = 0;
    std::int64_t firstMs = 0;
    std::vector<float> low;  // one per asked value column
    std::vector<float> high;
};

// The statements on a records file's batches, records and chain entries. Every write is one
// transaction; nothing is ever updated in the chain's tables or deleted.
class RecordAppender;

class BatchStore {
  public:
    explicit BatchStore(QSqlDatabase db);
    ~BatchStore();
    BatchStore(const BatchStore&) = delete;
    BatchStore& operator=(const BatchStore&) = delete;

    // Adds a batch; its id, or 0 when the number is taken or the file refused.
    std::int64_t create(const BatchSummary& batch);
    bool numberTaken(const QString& number, std::int64_t exceptBatch = 0) const;
    // The last batch's number plus one (digits at its end counted up), "1" for the first.
    QString proposeNumber() const;

    std::optional<BatchSummary> openBatch() const;
    std::optional<BatchSummary> batch(std::int64_t id) const;
    std::optional<BatchSummary> batchByNumber(const QString& number) const;
    // Newest first, `limit` from `offset`; the open batch stands first.
    std::vector<BatchSummary> list(const BatchFilter& filter, int offset, int limit) const;
    int count(const BatchFilter& filter) const;

    bool appendEntry(std::int64_t batch, const StoredEntry& stored);
    // Also keeps the batch's minute spans, which charts read instead of every record.
    bool appendRecord(std::int64_t batch, const BatchRecord& record, const QByteArray& hash);
    // Why the last append of a record failed.
    QString recordError() const;
    // The last entry's sequence number and hash (0 and the genesis when there is none).
    std::pair<std::int64_t, QByteArray> chainEnd(std::int64_t batch) const;

    bool updateHeader(std::int64_t batch, const BatchHeader& header);
    // The load sensor, band and time tolerance of `batch` as they stand in it.
    bool updateLoadRule(const BatchSummary& batch);
    bool close(const BatchSummary& batch);
    // The end entry is in the chain: the batch is no longer open; the seal follows.
    bool markEnded(std::int64_t batch, std::int64_t endedMs, std::int64_t recordCount);
    // Batches that ended and are not sealed yet, oldest first.
    std::vector<std::int64_t> unsealed() const;
    bool setIntegrity(std::int64_t batch, const QString& text);

    // Every entry of the batch's chain in order (records and the rest merged by sequence);
    // each record is also handed to `record`, when given, as read.
    void walk(std::int64_t batch, const std::function<void(const StoredEntry&)>& visit,
              const std::function<void(const BatchRecord&)>& record = {}) const;
    // The entries other than records, in order.
    std::vector<StoredEntry> entries(std::int64_t batch) const;
    void records(std::int64_t batch, std::int64_t afterSeq, int limit,
                 const std::function<void(const BatchRecord&)>& visit) const;
    std::int64_t recordCount(std::int64_t batch) const;

    // Lowest and highest value of each of `valueColumns` (0..7) per pixel column, for `width`
    // columns spread over [fromMs, toMs]; columns without records are absent.
    std::vector<ColumnBand> bands(std::int64_t batch, std::int64_t fromMs, std::int64_t toMs,
                                  int width, const std::vector<int>& valueColumns) const;

    // The connection the store reads through, for readers beside it (the minute spans).
    QSqlDatabase database() const { return m_db; }

    QString setting(const QString& key, const QString& fallback) const;
    bool setSetting(const QString& key, const QString& value);

  private:
    std::vector<BatchSummary> select(const QString& where, const QVariantList& binds) const;
    RecordAppender& appender();

    QSqlDatabase m_db;
    std::unique_ptr<RecordAppender> m_appender;  // made with the first record appended
};

// The canonical chain entry of a record.
ChainEntry RecordEntry(const BatchRecord& record);

}  // namespace vt
