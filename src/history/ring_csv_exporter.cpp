#include "ring_csv_exporter.h"

#include <memory>

#include "ring_page_reader.h"
#include "ring_table_columns.h"

namespace vt {

namespace {

// The ring, oldest record first, in the history table's columns.
class RingRows : public CsvRowSource {
  public:
    QStringList captions() const override { return RingTableCaptions(); }

    bool open(const QSqlDatabase& db) override {
        m_reader = std::make_unique<RingPageReader>(db);
        return m_reader->open();
    }

    int total() const override { return m_reader ? m_reader->total() : 0; }
    bool atEnd() const override { return !m_reader || m_reader->atEnd(); }

    std::vector<QStringList> next(int limit) override {
        return CellRows(m_reader->next(limit), kRingTableColumns, RingCellText);
    }

    void close() override { m_reader.reset(); }

  private:
    std::unique_ptr<RingPageReader> m_reader;
};

}  // namespace

RingCsvExporter::RingCsvExporter(const QString& databasePath, const QString& csvPath)
    : CsvExporter(databasePath, csvPath, std::make_unique<RingRows>()) {}

}  // namespace vt
