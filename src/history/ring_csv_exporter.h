#pragma once

#include <QSaveFile>
#include <QString>
#include <memory>

#include "db_connection.h"

namespace vt {

class RingPageReader;

// Saves the whole ten-second ring as a CSV file for a spreadsheet: UTF-8 with a byte-order
// mark, a header row of the history table's captions, then one line per record, oldest first,
// with dates, times and values as the table shows them. It reads on a connection of its own,
// inside one read transaction, so the file is one consistent picture of the ring while the
// logger goes on writing. The file appears only when the export completes; a cancelled or
// failed export leaves any earlier file of that name as it was.
class RingCsvExporter {
  public:
    // Records per writeMore step when the whole export runs in one go.
    static constexpr int kChunkRecords = 2000;

    RingCsvExporter(const QString& databasePath, const QString& csvPath);
    ~RingCsvExporter();
    RingCsvExporter(const RingCsvExporter&) = delete;
    RingCsvExporter& operator=(const RingCsvExporter&) = delete;

    // Opens the database and the file, takes the ring as it stands and writes the header row.
    bool start();
    // Writes up to `maxRecords` further records; true while records remain to be written.
    bool writeMore(int maxRecords);
    // Completes the file; false when anything failed on the way.
    bool finish();
    // Drops the export; the file is not written.
    void cancel();

    // start, writeMore until done, finish.
    bool run();

    // Records in the ring when the export started.
    int total() const { return m_total; }
    int written() const { return m_written; }
    bool failed() const { return m_failed; }

  private:
    bool beginReading();
    void write(const QByteArray& bytes);
    void endTransaction();

    QString m_databasePath;
    DbConnection m_db;
    std::unique_ptr<RingPageReader> m_reader;
    QSaveFile m_file;
    int m_total = 0;
    int m_written = 0;
    bool m_inTransaction = false;
    bool m_failed = false;
};

}  // namespace vt
