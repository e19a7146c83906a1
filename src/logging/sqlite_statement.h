#pragma once

#include <QByteArrayView>
#include <QSqlDatabase>
#include <QString>
#include <cstdint>

struct sqlite3;
struct sqlite3_stmt;

namespace vt {

// The SQLite connection under a QSQLITE connection; null for a closed one or another driver.
sqlite3* SqliteHandle(const QSqlDatabase& db);

// One prepared statement on a raw SQLite connection, for bulk reads and per-second writes where
// a QVariant per value costs more than the work itself. Parameters count from 1,
// columns from 0. A statement that did not prepare steps to nothing and runs as a failure.
class SqliteStatement {
  public:
    SqliteStatement(sqlite3* db, const char* sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    bool prepared() const { return m_stmt != nullptr; }

    // Rewinds the statement for new parameters (the old ones stay bound).
    SqliteStatement& reset();
    SqliteStatement& bind(int index, std::int64_t value);
    // NaN is stored as null, as SQLite does.
    SqliteStatement& bind(int index, double value);
    SqliteStatement& bindBlob(int index, QByteArrayView bytes);

    // The next row: false at the end, and on an error.
    bool step();
    // Steps to the end; true when no error came.
    bool run();

    std::int64_t int64(int column) const;
    // A null reads as NaN (SQLite keeps a NaN as null).
    double real(int column) const;
    // Valid until the next step or reset.
    QByteArrayView blob(int column) const;

  private:
    sqlite3_stmt* m_stmt = nullptr;
    bool m_failed = false;
};

// The connection's last error message.
QString SqliteError(sqlite3* db);

// Runs one statement without results (begin, commit, rollback); true when it succeeded.
bool SqliteExec(sqlite3* db, const char* sql);

}  // namespace vt
