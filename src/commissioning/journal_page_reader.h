#pragma once

#include <QDate>
#include <QSqlDatabase>
#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "journal_entry.h"
#include "prepared_statement.h"

namespace vt {

// A range of whole days, both bounds included; made with the earlier day first.
struct DayRange {
    DayRange(const QDate& a, const QDate& b) : first(std::min(a, b)), last(std::max(a, b)) {}
    QDate first;
    QDate last;
};

// Day serial of a date, and back.
double DaySerialOf(const QDate& date);
QDate DateOfSerial(double serial);

// Reads the journal of writes dated within a range of days, a page at a time, newest first (by
// date, then by the order the writes were made). Each page continues after the last entry read,
// along the date index, so a page costs the same wherever it lies; entries added meanwhile are
// newer than every page still to come and do not enter it. The connection must outlive the
// reader.
class JournalPageReader {
  public:
    JournalPageReader(const QSqlDatabase& db, const DayRange& days);

    // Up to `limit` further entries; fewer only at the end or on an error, after which atEnd()
    // holds.
    std::vector<JournalEntry> next(int limit);
    bool atEnd() const { return m_atEnd; }

    // Entries dated within the range (-1 when they cannot be counted).
    int count();

    // Date of the oldest entry of the journal on `db`, none when it is empty or missing.
    static std::optional<QDate> FirstDate(const QSqlDatabase& db);

  private:
    // Appends what `page` finds (up to `limit` entries); false on an error.
    bool read(PreparedStatement& page, const QVariantList& values, int limit,
              std::vector<JournalEntry>& entries);

    PreparedStatement m_ofDay;
    PreparedStatement m_before;
    PreparedStatement m_count;
    double m_firstDate;
    double m_lastDate;
    double m_afterDate;      // the next page continues below this date ...
    std::int64_t m_afterId;  // ... and this id
    bool m_atEnd = false;
};

}  // namespace vt
