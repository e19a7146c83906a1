#pragma once

#include <QString>

#include "csv_exporter.h"

namespace vt {

// Saves the whole ten-second ring as a CSV file: the history table's captions, then one line
// per record, oldest first, with dates, times and values as the table shows them, one
// consistent picture of the ring while the logger goes on writing (see CsvExporter).
class RingCsvExporter : public CsvExporter {
  public:
    RingCsvExporter(const QString& databasePath, const QString& csvPath);
};

}  // namespace vt
