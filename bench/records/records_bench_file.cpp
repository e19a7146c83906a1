#include "records_bench_file.h"

#include <QSqlDatabase>
#include <QSqlQuery>

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

void TruncateWal(const QString& path) {
    RunOnOwnConnection(path, QStringLiteral("pragma wal_checkpoint(TRUNCATE)"));
}

void DropMinuteSpans(const QString& path) {
    RunOnOwnConnection(path, QStringLiteral("delete from record_minutes"));
}

}  // namespace vt::bench
