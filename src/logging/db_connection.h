#pragma once

#include <QSqlDatabase>
#include <QString>

namespace vt {

// One named connection to the station's database file, owned by one user (the logger, a
// window). Opening never fails loudly: check isOpen(). The connection is closed and removed
// when the owner lets go of it, so every query made on it must be gone by then.
class DbConnection {
  public:
    DbConnection() = default;
    DbConnection(const QString& path, const QString& user);
    ~DbConnection();
    DbConnection(DbConnection&& other) noexcept;
    DbConnection& operator=(DbConnection&& other) noexcept;
    DbConnection(const DbConnection&) = delete;
    DbConnection& operator=(const DbConnection&) = delete;

    bool isOpen() const;
    QSqlDatabase database() const;

  private:
    void release();

    QString m_name;
};

}  // namespace vt
