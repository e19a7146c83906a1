#include "sqlite_statement.h"

#include <sqlite3.h>

#include <QSqlDriver>
#include <QVariant>
#include <cstring>
#include <limits>

namespace vt {

sqlite3* SqliteHandle(const QSqlDatabase& db) {
    if (!db.isOpen() || !db.driver()) return nullptr;
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || std::strcmp(handle.typeName(), "sqlite3*") != 0) return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

SqliteStatement::SqliteStatement(sqlite3* db, const char* sql) {
    if (db &&
        sqlite3_prepare_v3(db, sql, -1, SQLITE_PREPARE_PERSISTENT, &m_stmt, nullptr) != SQLITE_OK) {
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
    }
}

SqliteStatement::~SqliteStatement() { sqlite3_finalize(m_stmt); }

SqliteStatement& SqliteStatement::reset() {
    if (m_stmt) sqlite3_reset(m_stmt);
    m_failed = false;
    return *this;
}

SqliteStatement& SqliteStatement::bind(int index, std::int64_t value) {
    if (m_stmt) sqlite3_bind_int64(m_stmt, index, value);
    return *this;
}

SqliteStatement& SqliteStatement::bind(int index, double value) {
    if (m_stmt) sqlite3_bind_double(m_stmt, index, value);
    return *this;
}

SqliteStatement& SqliteStatement::bindBlob(int index, QByteArrayView bytes) {
    if (m_stmt)
        sqlite3_bind_blob(m_stmt, index, bytes.data(), static_cast<int>(bytes.size()),
                          SQLITE_TRANSIENT);
    return *this;
}

bool SqliteStatement::step() {
    if (!m_stmt || m_failed) return false;
    const int rc = sqlite3_step(m_stmt);
    m_failed = rc != SQLITE_ROW && rc != SQLITE_DONE;
    return rc == SQLITE_ROW;
}

bool SqliteStatement::run() {
    while (step()) {
    }
    const bool ok = m_stmt && !m_failed;
    reset();
    return ok;
}

std::int64_t SqliteStatement::int64(int column) const {
    return sqlite3_column_int64(m_stmt, column);
}

double SqliteStatement::real(int column) const {
    const double value = sqlite3_column_double(m_stmt, column);
    if (value == 0.0 && sqlite3_column_type(m_stmt, column) == SQLITE_NULL)
        return std::numeric_limits<double>::quiet_NaN();
    return value;
}

QByteArrayView SqliteStatement::blob(int column) const {
    const void* bytes = sqlite3_column_blob(m_stmt, column);
    return {static_cast<const char*>(bytes), sqlite3_column_bytes(m_stmt, column)};
}

QString SqliteError(sqlite3* db) {
    return db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("no connection");
}

bool SqliteExec(sqlite3* db, const char* sql) {
    return db && sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

}  // namespace vt
