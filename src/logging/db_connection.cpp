#include "db_connection.h"

#include <QSqlError>
#include <QSqlQuery>
#include <atomic>
#include <utility>

#include "station_db_log.h"

namespace vt {

namespace {

// Long enough for another connection of the process (or a second process) to finish its
// write; every transaction of the station is a handful of statements.
constexpr int kBusyTimeoutMs = 5000;

QString UniqueName(const QString& user) {
    static std::atomic<int> counter{0};
    return QStringLiteral("station.%1.%2").arg(user).arg(++counter);
}

}  // namespace

DbConnection::DbConnection(const QString& path, const QString& user) : m_name(UniqueName(user)) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
    if (!db.open()) {
        qCWarning(lcStationDb) << "cannot open" << path << "for" << user << db.lastError().text();
        return;
    }
    // In WAL mode a commit survives a crash of the process without waiting for the disk.
    QSqlQuery pragma(db);
    if (!pragma.exec(QStringLiteral("pragma synchronous=NORMAL"))) {
        qCWarning(lcStationDb) << "synchronous mode not set on" << path
                               << pragma.lastError().text();
    }
}

DbConnection::~DbConnection() { release(); }

DbConnection::DbConnection(DbConnection&& other) noexcept
    : m_name(std::exchange(other.m_name, {})) {}

DbConnection& DbConnection::operator=(DbConnection&& other) noexcept {
    if (this != &other) {
        release();
        m_name = std::exchange(other.m_name, {});
    }
    return *this;
}

bool DbConnection::isOpen() const { return !m_name.isEmpty() && database().isOpen(); }

QSqlDatabase DbConnection::database() const {
    return m_name.isEmpty() ? QSqlDatabase() : QSqlDatabase::database(m_name, false);
}

void DbConnection::release() {
    if (m_name.isEmpty()) return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
    m_name.clear();
}

}  // namespace vt
