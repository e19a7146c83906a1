#pragma once

#include <memory>

#include "batch_store.h"
#include "csv_exporter.h"

namespace vt {

// A batch's records as CSV rows, oldest first: sequence number, date and time, the eight values.
class BatchCsvSource : public CsvRowSource {
  public:
    explicit BatchCsvSource(std::int64_t batch) : m_batch(batch) {}

    QStringList captions() const override;
    bool open(const QSqlDatabase& db) override;
    int total() const override { return m_total; }
    bool atEnd() const override { return m_written >= m_total; }
    std::vector<QStringList> next(int limit) override;
    void close() override { m_store.reset(); }

  private:
    std::int64_t m_batch;
    std::unique_ptr<BatchStore> m_store;
    std::int64_t m_after = 0;
    int m_total = 0;
    int m_written = 0;
};

// The exporter of a batch's records from the records file at `recordsPath` to `csvPath`.
std::unique_ptr<CsvExporter> MakeBatchCsvExporter(const QString& recordsPath, std::int64_t batch,
                                                  const QString& csvPath);

}  // namespace vt
