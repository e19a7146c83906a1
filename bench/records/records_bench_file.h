#pragma once

#include <QString>

namespace vt::bench {

// Copies a records file's write-ahead log back and empties it, as the station's checkpoints
// keep it at one record a second (a fill at full speed outruns them).
void TruncateWal(const QString& path);

// The file as a station before minute spans would have left it.
void DropMinuteSpans(const QString& path);

}  // namespace vt::bench
