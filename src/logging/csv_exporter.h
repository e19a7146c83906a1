#pragma once

#include <QSaveFile>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "db_connection.h"

namespace vt {

// The rows of one CSV export, read from the database page by page.
class CsvRowSource {
  public:
    virtual ~CsvRowSource() = default;

    // The header row.
    virtual QStringList captions() const = 0;
    // Takes the rows as they stand on `db`; false when they cannot be read.
    virtual bool open(const QSqlDatabase& db) = 0;
    // Rows to export, as counted by open().
    virtual int total() const = 0;
    virtual bool atEnd() const = 0;
    // Up to `limit` further rows, each as the texts of its cells.
    virtual std::vector<QStringList> next(int limit) = 0;
    // Lets go of everything open() took on the connection, before the connection closes.
    virtual void close() = 0;
};

// The rows of `records`, `columns` cells to a row, each cell as `cellText(record, column)`.
template <typename Record, typename CellText>
std::vector<QStringList> CellRows(const std::vector<Record>& records, int columns,
                                  CellText cellText) {
    std::vector<QStringList> rows;
    rows.reserve(records.size());
    for (const Record& record : records) {
        QStringList cells;
        cells.reserve(columns);
        for (int column = 0; column < columns; ++column) cells << cellText(record, column);
        rows.push_back(std::move(cells));
    }
    return rows;
}

// Saves the rows of a source as a CSV file for a spreadsheet: UTF-8 with a byte-order mark, the
// header row, then one line per row. It reads on a connection of its own, inside one read
// transaction, so the file is one consistent picture of the table while the station goes on
// writing. The file appears only when the export completes; a cancelled or failed export leaves
// any earlier file of that name as it was. Cells with a comma, a quote or a line break are
// quoted.
class CsvExporter {
  public:
    // Rows per writeMore step when the whole export runs in one go.
    static constexpr int kChunkRecords = 2000;

    CsvExporter(const QString& databasePath, const QString& csvPath,
                std::unique_ptr<CsvRowSource> source);
    virtual ~CsvExporter();
    CsvExporter(const CsvExporter&) = delete;
    CsvExporter& operator=(const CsvExporter&) = delete;

    // Opens the database and the file, takes the rows as they stand and writes the header row.
    bool start();
    // Writes up to `maxRecords` further rows; true while rows remain to be written.
    bool writeMore(int maxRecords);
    // Completes the file; false when anything failed on the way.
    bool finish();
    // Drops the export; the file is not written.
    void cancel();

    // start, writeMore until done, finish.
    bool run();

    // Rows to export when the export started.
    int total() const { return m_total; }
    int written() const { return m_written; }
    bool failed() const { return m_failed; }

  private:
    bool beginReading();
    void write(const QByteArray& bytes);
    void endReading();

    QString m_databasePath;
    DbConnection m_db;
    std::unique_ptr<CsvRowSource> m_source;
    QSaveFile m_file;
    int m_total = 0;
    int m_written = 0;
    bool m_reading = false;
    bool m_inTransaction = false;
    bool m_failed = false;
};

// One line of a CSV file, cells quoted where they need it, ended by CR LF.
QByteArray CsvLine(const QStringList& cells);

}  // namespace vt
