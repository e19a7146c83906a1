#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

#include "series_source.h"

namespace vt {

// A batch whose archive a history report may cover.
struct ArchiveChoice {
    std::int64_t id = 0;
    QString label;            // number, part, start
    double gapSeconds = 1.5;  // records further apart than this mark a gap
};

// The batch archives a history report can read instead of the ten-second ring; the station
// hands one to the history window.
class ArchiveCatalogue {
  public:
    virtual ~ArchiveCatalogue() = default;
    // Newest first.
    virtual std::vector<ArchiveChoice> archives() = 0;
    // The archive of batch `id`; nothing when it cannot be read now.
    virtual std::unique_ptr<SeriesSource> open(std::int64_t id) = 0;
};

}  // namespace vt
