#include "ring_csv_exporter.h"

#include "ring_page_reader.h"
#include "ring_table_columns.h"

namespace vt {

namespace {

// No cell text contains a comma, a quote or a line break, so no cell needs quoting.
QByteArray CsvLine(const QStringList& cells) {
    return cells.join(QLatin1Char(',')).toUtf8() + "\r\n";
}

QByteArray RecordLine(const RingRecord& record) {
    QStringList cells;
    cells.reserve(kRingTableColumns);
    for (int column = 0; column < kRingTableColumns; ++column)
        cells << RingCellText(record, column);
    return CsvLine(cells);
}

}  // namespace

RingCsvExporter::RingCsvExporter(const QString& databasePath, const QString& csvPath)
    : m_databasePath(databasePath), m_file(csvPath) {}

RingCsvExporter::~RingCsvExporter() { cancel(); }

bool RingCsvExporter::start() {
    m_db = DbConnection(m_databasePath, QStringLiteral("csv"));
    m_failed = !beginReading() || !m_file.open(QIODevice::WriteOnly);
    if (m_failed) {
        cancel();
        return false;
    }
    m_total = m_reader->total();
    write("\xEF\xBB\xBF" + CsvLine(RingTableCaptions()));
    return !m_failed;
}

// One read transaction for the whole export: the ring as it stands at its first read.
bool RingCsvExporter::beginReading() {
    QSqlDatabase db = m_db.database();
    m_inTransaction = m_db.isOpen() && db.transaction();
    if (!m_inTransaction) return false;
    m_reader = std::make_unique<RingPageReader>(db);
    return m_reader->open();
}

bool RingCsvExporter::writeMore(int maxRecords) {
    if (m_failed || !m_reader || m_reader->atEnd()) return false;
    QByteArray chunk;
    for (const RingRecord& record : m_reader->next(maxRecords)) {
        chunk += RecordLine(record);
        ++m_written;
    }
    write(chunk);
    return !m_failed && !m_reader->atEnd();
}

bool RingCsvExporter::finish() {
    if (m_failed || !m_reader) {
        cancel();
        return false;
    }
    endTransaction();
    m_failed = !m_file.commit();
    m_reader.reset();
    m_db = DbConnection();
    return !m_failed;
}

void RingCsvExporter::cancel() {
    if (m_file.isOpen()) {
        m_file.cancelWriting();
        m_file.commit();  // discards what was written
    }
    endTransaction();
    m_reader.reset();
    m_db = DbConnection();
}

bool RingCsvExporter::run() {
    if (!start()) return false;
    while (writeMore(kChunkRecords)) {
    }
    return finish();
}

void RingCsvExporter::write(const QByteArray& bytes) {
    if (m_file.write(bytes) != bytes.size()) m_failed = true;
}

void RingCsvExporter::endTransaction() {
    if (!m_inTransaction) return;
    m_inTransaction = false;
    m_db.database().commit();
}

}  // namespace vt
