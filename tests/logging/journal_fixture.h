#pragma once

#include <QDate>
#include <QSqlDatabase>
#include <cstdint>
#include <string>
#include <vector>

#include "journal_entry.h"

// Helpers for tests and benchmarks that read the journal of writes or need it filled quickly.
namespace vt::testing {

// Every entry of the journal, oldest first.
std::vector<JournalEntry> JournalEntries(const QSqlDatabase& db);

// An entry in one line for comparing, result as its number:
// "window|caption|holding 4103|before|entered|value sent|result".
std::string JournalLine(const JournalEntry& entry);
std::vector<std::string> JournalLines(const std::vector<JournalEntry>& entries);

// Adds `count` entries like `entry` in one transaction (making the table when missing), dated
// `date` one second apart from 8:00, the n-th (from 0) sending entry.value + n. Returns the id
// of the last one.
std::int64_t FillJournal(const QSqlDatabase& db, const JournalEntry& entry, const QDate& date,
                         int count);

}  // namespace vt::testing
