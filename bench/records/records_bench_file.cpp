#include "records_bench_file.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <array>
#include <cmath>

#include "batch_recorder.h"
#include "clock_reading.h"

namespace vt::bench {

namespace {

void RunOnOwnConnection(const QString& path, const QString& sql) {
    const QString name = QStringLiteral("bench.file");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (db.open()) QSqlQuery(db).exec(sql);
    }
    QSqlDatabase::removeDatabase(name);
}

}  // namespace

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
    RunOnOwnConnection(path, QStringLiteral("pragma wal_checkpoint(TRUNCATE)"));
}

void DropMinuteSpans(const QString& path) {
    RunOnOwnConnection(path, QStringLiteral("delete from record_minutes"));
}

}  // namespace vt::bench
