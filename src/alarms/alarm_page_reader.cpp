#include "alarm_page_reader.h"

#include <limits>

#include "alarm_row.h"
#include "clock_reading.h"

namespace vt {

namespace {

const QString kFilterClause = QStringLiteral(
    "a_date between ? and ? and (? = '' or text like ? or who like ? or comment like ?) "
    "and (? < 0 or kind = ?)");

double SerialOf(const QDate& date) { return ReadClock(QDateTime(date, QTime(0, 0))).date; }

}  // namespace

AlarmPageReader::AlarmPageReader(const QSqlDatabase& db, AlarmFilter filter)
    : m_page(db, QStringLiteral("select %1 from alarm_log where %2 and (a_date, id) < (?, ?) "
                                "order by a_date desc, id desc limit ?")
                     .arg(QLatin1String(kAlarmColumns), kFilterClause)),
      m_count(db, QStringLiteral("select count(*) from alarm_log where ") + kFilterClause),
      m_filter(std::move(filter)),
      m_firstDate(SerialOf(std::min(m_filter.first, m_filter.last))),
      m_afterDate(SerialOf(std::max(m_filter.first, m_filter.last)) + 1),
      m_afterId(0) {}

QVariantList AlarmPageReader::filterValues() const {
    const QString like = QLatin1Char('%') + m_filter.text + QLatin1Char('%');
    const int kind = m_filter.kind ? static_cast<int>(*m_filter.kind) : -1;
    return {m_firstDate,   SerialOf(std::max(m_filter.first, m_filter.last)),
            m_filter.text, like,
            like,          like,
            kind,          kind};
}

std::vector<AlarmTransition> AlarmPageReader::next(int limit) {
    std::vector<AlarmTransition> rows;
    if (m_atEnd || limit <= 0) return rows;
    rows.reserve(static_cast<std::size_t>(limit));
    if (m_page.exec(filterValues() + QVariantList{m_afterDate, m_afterId, limit})) {
        while (m_page.query().next()) rows.push_back(AlarmTransitionOf(m_page.query()));
        m_page.finish();
    }
    if (static_cast<int>(rows.size()) < limit) m_atEnd = true;
    if (!rows.empty()) {
        m_afterDate = ReadClock(rows.back().time).date;
        m_afterId = rows.back().id;
    }
    return rows;
}

int AlarmPageReader::count() {
    if (!m_count.exec(filterValues()) || !m_count.query().next()) return -1;
    const int rows = m_count.query().value(0).toInt();
    m_count.finish();
    return rows;
}

}  // namespace vt
