#include "alarm_csv_exporter.h"

#include <memory>

#include "alarm_columns.h"

namespace vt {

namespace {

class AlarmRows : public CsvRowSource {
  public:
    explicit AlarmRows(AlarmFilter filter) : m_filter(std::move(filter)) {}

    QStringList captions() const override { return HistoryCaptions(); }
    bool open(const QSqlDatabase& db) override {
        m_reader = std::make_unique<AlarmPageReader>(db, m_filter);
        m_total = m_reader->count();
        return m_total >= 0;
    }
    int total() const override { return m_total; }
    bool atEnd() const override { return !m_reader || m_reader->atEnd(); }
    std::vector<QStringList> next(int limit) override {
        return CellRows(m_reader->next(limit), kHistoryColumns, HistoryCellText);
    }
    void close() override { m_reader.reset(); }

  private:
    AlarmFilter m_filter;
    std::unique_ptr<AlarmPageReader> m_reader;
    int m_total = 0;
};

}  // namespace

AlarmCsvExporter::AlarmCsvExporter(const QString& databasePath, const QString& csvPath,
                                   const AlarmFilter& filter)
    : CsvExporter(databasePath, csvPath, std::make_unique<AlarmRows>(filter)) {}

}  // namespace vt
