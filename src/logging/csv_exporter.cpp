#include "csv_exporter.h"

#include <utility>

namespace vt {

namespace {

QString CsvCell(const QString& text) {
    const bool plain = !text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
                       !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r'));
    if (plain) return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

}  // namespace

QByteArray CsvLine(const QStringList& cells) {
    QStringList out;
    out.reserve(cells.size());
    for (const QString& cell : cells) out << CsvCell(cell);
    return out.join(QLatin1Char(',')).toUtf8() + "\r\n";
}

CsvExporter::CsvExporter(const QString& databasePath, const QString& csvPath,
                         std::unique_ptr<CsvRowSource> source)
    : m_databasePath(databasePath), m_source(std::move(source)), m_file(csvPath) {}

CsvExporter::~CsvExporter() { cancel(); }

bool CsvExporter::start() {
    m_db = DbConnection(m_databasePath, QStringLiteral("csv"));
    m_failed = !beginReading() || !m_file.open(QIODevice::WriteOnly);
    if (m_failed) {
        cancel();
        return false;
    }
    m_total = m_source->total();
    write("\xEF\xBB\xBF" + CsvLine(m_source->captions()));
    return !m_failed;
}

// One read transaction for the whole export: the rows as they stand at its first read.
bool CsvExporter::beginReading() {
    QSqlDatabase db = m_db.database();
    m_inTransaction = m_db.isOpen() && db.transaction();
    if (!m_inTransaction) return false;
    m_reading = true;
    return m_source->open(db);
}

bool CsvExporter::writeMore(int maxRecords) {
    if (m_failed || !m_reading || m_source->atEnd()) return false;
    QByteArray chunk;
    for (const QStringList& row : m_source->next(maxRecords)) {
        chunk += CsvLine(row);
        ++m_written;
    }
    write(chunk);
    return !m_failed && !m_source->atEnd();
}

bool CsvExporter::finish() {
    if (m_failed || !m_reading) {
        cancel();
        return false;
    }
    endReading();
    m_failed = !m_file.commit();
    return !m_failed;
}

void CsvExporter::cancel() {
    if (m_file.isOpen()) {
        m_file.cancelWriting();
        m_file.commit();  // discards what was written
    }
    endReading();
}

bool CsvExporter::run() {
    if (!start()) return false;
    while (writeMore(kChunkRecords)) {
    }
    return finish();
}

void CsvExporter::write(const QByteArray& bytes) {
    if (m_file.write(bytes) != bytes.size()) m_failed = true;
}

void CsvExporter::endReading() {
    if (m_reading) m_source->close();
    m_reading = false;
    if (m_inTransaction) m_db.database().commit();
    m_inTransaction = false;
    m_db = DbConnection();
}

}  // namespace vt
