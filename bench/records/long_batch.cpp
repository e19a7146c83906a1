#include "long_batch.h"

#include <sqlite3.h>

#include <array>
#include <cmath>

#include "batch_recorder.h"
#include "clock_reading.h"

namespace vt::bench {

void AppendSeconds(BatchRecorder& recorder, QDateTime& now, const QDateTime& start, int seconds) {
    std::array<float, 8> values{};
    values[RecordColumn::CurrentSv] = 550.0f;
    values[RecordColumn::Sv1] = 550.0f;
    for (int n = 1; n <= seconds; ++n) {
        now = start.addSecs(n);
        values[RecordColumn::Pv1] = float(500 + (n % 600) / 10.0);
        values[RecordColumn::Pv2] = float(550 + 20 * std::sin(n / 900.0));
        recorder.appendSecond(ReadClock(now), values);
    }
}

void CopyLogBack(const QString& path) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) ==
        SQLITE_OK) {
        sqlite3_busy_timeout(db, 5000);
        sqlite3_exec(db, "pragma wal_checkpoint(TRUNCATE)", nullptr, nullptr, nullptr);
    }
    sqlite3_close(db);
}

}  // namespace vt::bench
