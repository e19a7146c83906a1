#pragma once

#include <cstdint>
#include <vector>

#include "batch_store.h"

struct sqlite3;

namespace vt {

// A chart's lowest and highest values per pixel column (see BatchStore::bands), from the minute
// spans where a span falls wholly into one column and the chosen range, from the records
// themselves elsewhere: the spans cut by a column's or the range's edge, and the records after
// the last span (the minute under way, or a batch written before spans were kept). Both ways give
// the same bands.
std::vector<ColumnBand> ReadBands(sqlite3* db, std::int64_t batch, std::int64_t fromMs,
                                  std::int64_t toMs, int width, const std::vector<int>& columns);

}  // namespace vt
