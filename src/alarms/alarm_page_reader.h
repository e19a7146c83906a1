#pragma once

#include <QDate>
#include <QSqlDatabase>
#include <optional>
#include <vector>

#include "alarm_types.h"
#include "prepared_statement.h"

namespace vt {

// Which transitions the history shows: a range of days (both included), a text found in the
// alarm's text, the operator or the comment, and one kind of event.
struct AlarmFilter {
    QDate first;
    QDate last;
    QString text;
    std::optional<TransitionKind> kind;
};

// Reads the transitions a filter lets through, newest first (by day, then by the order they
// were recorded), a page at a time along the day index; each page continues after the last row
// read, so a page costs the same wherever it lies. The connection must outlive the reader.
class AlarmPageReader {
  public:
    AlarmPageReader(const QSqlDatabase& db, AlarmFilter filter);

    std::vector<AlarmTransition> next(int limit);
    bool atEnd() const { return m_atEnd; }
    // Transitions the filter lets through (-1 when they cannot be counted).
    int count();

  private:
    QVariantList filterValues() const;

    PreparedStatement m_page;
    PreparedStatement m_count;
    AlarmFilter m_filter;
    double m_firstDate;
    double m_afterDate;
    qint64 m_afterId;
    bool m_atEnd = false;
};

}  // namespace vt
