#include "journal_csv_exporter.h"

#include <memory>

#include "journal_columns.h"

namespace vt {

namespace {

// The entries of a range of days, newest first, in the journal window's columns.
class JournalRows : public CsvRowSource {
  public:
    explicit JournalRows(const DayRange& days) : m_days(days) {}

    QStringList captions() const override { return JournalCaptions(); }

    bool open(const QSqlDatabase& db) override {
        m_reader = std::make_unique<JournalPageReader>(db, m_days);
        m_total = m_reader->count();
        return m_total >= 0;
    }

    int total() const override { return m_total; }
    bool atEnd() const override { return !m_reader || m_reader->atEnd(); }

    std::vector<QStringList> next(int limit) override {
        return CellRows(m_reader->next(limit), kJournalColumns,
                        [](const JournalEntry& entry, int column) {
                            return JournalCellText(entry, static_cast<JournalColumn>(column));
                        });
    }

    void close() override { m_reader.reset(); }

  private:
    DayRange m_days;
    std::unique_ptr<JournalPageReader> m_reader;
    int m_total = 0;
};

}  // namespace

JournalCsvExporter::JournalCsvExporter(const QString& databasePath, const QString& csvPath,
                                       const DayRange& days)
    : CsvExporter(databasePath, csvPath, std::make_unique<JournalRows>(days)) {}

}  // namespace vt
