#pragma once

#include <QDateTime>
#include <QString>

namespace vt {
class BatchRecorder;
}

namespace vt::bench {

// Appends `seconds` one-second records to the recorder's open batch, from `start` on: the set
// values steady, PV1 and PV2 moving (a sawtooth and a slow wave, so that no two minutes are
// alike). `now` (the recorder's clock) follows the records.
void AppendSeconds(BatchRecorder& recorder, QDateTime& now, const QDateTime& start, int seconds);

// Copies a records file's write-ahead log back into it and empties it. At one record a second
// the station's own checkpoints keep the log short; a fill at full speed outruns them and leaves
// a log of gigabytes that would slow every read measured after it.
void CopyLogBack(const QString& path);

// The file as a station before minute spans would have left it.
void DropMinuteSpans(const QString& path);

}  // namespace vt::bench
