#include "database_rescue.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>

#include "db_connection.h"
#include "station_db_log.h"

namespace vt {

namespace {

constexpr char kSqliteMagic[] = "SQLite format 3";

bool HasSqliteHeader(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(16).startsWith(kSqliteMagic);
}

bool PassesChecks(const QString& path) {
    DbConnection connection(path, QStringLiteral("rescue-check"));
    if (!connection.isOpen()) return false;
    QSqlQuery query(connection.database());
    if (!query.exec(QStringLiteral("pragma quick_check")) || !query.next() ||
        query.value(0).toString() != QStringLiteral("ok")) {
        return false;
    }
    return query.exec(QStringLiteral(
               "select count(*) from sqlite_master where type = 'table' and name = 'pv_data'")) &&
           query.next() && query.value(0).toInt() == 1;
}

}  // namespace

bool StationFileUsable(const QString& path) {
    const QFileInfo file(path);
    if (!file.exists() || (file.isFile() && file.size() == 0)) return true;
    // A file this user cannot read proves nothing about its contents: it is left alone.
    if (!file.isFile() || !file.isReadable()) return true;
    return HasSqliteHeader(path) && PassesChecks(path);
}

std::optional<QString> KeepAsideIfUnusable(const QString& path, const QDateTime& now) {
    if (StationFileUsable(path)) return std::nullopt;
    const QString kept =
        path + QStringLiteral(".unusable-") + now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (QFile::exists(kept) || !QFile::rename(path, kept)) {
        qCWarning(lcStationDb) << "cannot keep the unusable database aside:" << path;
        return std::nullopt;
    }
    for (const char* suffix : {"-wal", "-shm"}) {
        const QString side = path + QLatin1String(suffix);
        if (QFile::exists(side)) QFile::rename(side, kept + QLatin1String(suffix));
    }
    qCWarning(lcStationDb) << "the database" << path << "was unusable, kept as" << kept;
    return kept;
}

}  // namespace vt
