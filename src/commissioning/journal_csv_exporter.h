#pragma once

#include <QString>

#include "csv_exporter.h"
#include "journal_page_reader.h"

namespace vt {

// Saves the journal of writes dated within a range of days as a CSV file: the journal window's
// captions, then one line per entry, newest first, with every cell as the window shows it (see
// CsvExporter).
class JournalCsvExporter : public CsvExporter {
  public:
    JournalCsvExporter(const QString& databasePath, const QString& csvPath, const DayRange& days);
};

}  // namespace vt
