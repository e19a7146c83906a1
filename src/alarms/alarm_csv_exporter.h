#pragma once

#include "alarm_page_reader.h"
#include "csv_exporter.h"

namespace vt {

// Saves the transitions a filter lets through as a CSV file, newest first, with every cell as
// the history shows it (see CsvExporter).
class AlarmCsvExporter : public CsvExporter {
  public:
    AlarmCsvExporter(const QString& databasePath, const QString& csvPath,
                     const AlarmFilter& filter);
};

}  // namespace vt
