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
    : m_ofDay(db, queries::JournalPageOfDay()),
      m_before(db, queries::JournalPageBefore()),
      m_count(db, queries::JournalCount()),
      m_firstDate(DaySerialOf(days.first)),
      m_lastDate(DaySerialOf(days.last)),
      m_afterDate(m_lastDate),
      m_afterId(std::numeric_limits<std::int64_t>::max()) {}

// The rest of the day of the last entry read, then the days before it.
std::vector<JournalEntry> JournalPageReader::next(int limit) {
    std::vector<JournalEntry> entries;
    if (m_atEnd || limit <= 0) return entries;
    entries.reserve(static_cast<std::size_t>(limit));
    const bool read =
        this->read(m_ofDay, {m_afterDate, QVariant::fromValue(m_afterId)}, limit, entries) &&
        (static_cast<int>(entries.size()) == limit ||
         this->read(m_before, {m_afterDate, m_firstDate}, limit, entries));
    if (!read || static_cast<int>(entries.size()) < limit) m_atEnd = true;
    if (!entries.empty()) {
        m_afterDate = entries.back().date;
        m_afterId = entries.back().id;
    }
    return entries;
}

bool JournalPageReader::read(PreparedStatement& page, const QVariantList& values, int limit,
                             std::vector<JournalEntry>& entries) {
    const int wanted = limit - static_cast<int>(entries.size());
    if (!page.exec(values + QVariantList{wanted})) return false;
    while (page.query().next()) entries.push_back(JournalEntryOf(page.query()));
    page.finish();
    return true;
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
