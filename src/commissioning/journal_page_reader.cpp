#include "journal_page_reader.h"

#include <QSqlQuery>
#include <QVariant>
#include <limits>

#include "day_serial.h"
#include "station_queries.h"

namespace vt {

double DaySerialOf(const QDate& date) {
    return static_cast<double>(date.toJulianDay() - kJulianDayOfSerialZero);
}

QDate DateOfSerial(double serial) {
    return QDate::fromJulianDay(kJulianDayOfSerialZero + static_cast<qint64>(serial));
}

JournalPageReader::JournalPageReader(const QSqlDatabase& db, const DayRange& days)
    : m_page(db, queries::JournalPage()),
      m_count(db, queries::JournalCount()),
      m_firstDate(DaySerialOf(days.first)),
      m_lastDate(DaySerialOf(days.last)),
      m_afterDate(m_lastDate),
      m_afterId(std::numeric_limits<std::int64_t>::max()) {}

std::vector<JournalEntry> JournalPageReader::next(int limit) {
    std::vector<JournalEntry> entries;
    if (m_atEnd || limit <= 0) return entries;
    if (!m_page.exec({m_afterDate, QVariant::fromValue(m_afterId), m_firstDate, limit})) {
        m_atEnd = true;
        return entries;
    }
    entries.reserve(static_cast<std::size_t>(limit));
    while (m_page.query().next()) entries.push_back(JournalEntryOf(m_page.query()));
    m_page.finish();
    if (static_cast<int>(entries.size()) < limit) m_atEnd = true;
    if (!entries.empty()) {
        m_afterDate = entries.back().date;
        m_afterId = entries.back().id;
    }
    return entries;
}

int JournalPageReader::count() {
    if (!m_count.exec({m_firstDate, m_lastDate}) || !m_count.query().next()) return -1;
    const int entries = m_count.query().value(0).toInt();
    m_count.finish();
    return entries;
}

std::optional<QDate> JournalPageReader::FirstDate(const QSqlDatabase& db) {
    QSqlQuery query(db);
    if (!query.exec(queries::JournalFirstDate()) || !query.next() || query.value(0).isNull())
        return std::nullopt;
    return DateOfSerial(query.value(0).toDouble());
}

}  // namespace vt
