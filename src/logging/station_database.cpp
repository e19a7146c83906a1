#include "station_database.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <utility>

#include "station_db_log.h"
#include "station_schema.h"

namespace vt {

StationDatabase::StationDatabase(QString path) : m_path(std::move(path)) {}

QString StationDatabase::DefaultPath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return QDir(folder).filePath(QStringLiteral("Rdatabj.db"));
}

QCommandLineOption StationDatabase::PathOption() {
    return QCommandLineOption(QStringLiteral("database"),
                              QStringLiteral("Database file (default %1).").arg(DefaultPath()),
                              QStringLiteral("PATH"));
}

QString StationDatabase::PathFrom(const QCommandLineParser& parser) {
    const QString chosen = parser.value(PathOption());
    return chosen.isEmpty() ? DefaultPath() : chosen;
}

bool StationDatabase::prepare() const {
    const QFileInfo file(m_path);
    if ((!file.exists() || (file.isFile() && file.size() == 0)) && !create()) return false;
    DbConnection connection = connect(QStringLiteral("prepare"));
    if (!connection.isOpen()) return false;
    QSqlQuery query(connection.database());
    if (!query.exec(QStringLiteral("pragma journal_mode=WAL")) || !query.next() ||
        query.value(0).toString().compare(QStringLiteral("wal"), Qt::CaseInsensitive) != 0) {
        qCWarning(lcStationDb) << "cannot use" << m_path << query.lastError().text();
        return false;
    }
    return true;
}

DbConnection StationDatabase::connect(const QString& user) const {
    return DbConnection(m_path, user);
}

bool StationDatabase::create() const {
    const QFileInfo file(m_path);
    if (!QDir().mkpath(file.absolutePath())) {
        qCWarning(lcStationDb) << "cannot make the folder of" << m_path;
        return false;
    }
    qCInfo(lcStationDb) << "making a new database" << m_path;
    DbConnection connection = connect(QStringLiteral("create"));
    if (!connection.isOpen()) return false;
    QSqlDatabase db = connection.database();
    return schema::CreateStationTables(db);
}

}  // namespace vt
