#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

namespace vt {

// One statement of a connection, prepared on first use and kept for re-use. A statement that
// cannot be prepared (no file, no table) is tried again on the next use.
class PreparedStatement {
  public:
    PreparedStatement(const QSqlDatabase& db, QString text);

    // Binds `values` in order and runs the statement; false (logged) on failure.
    bool exec(const QVariantList& values = {});
    QSqlQuery& query() { return m_query; }
    // Ends a read so that the connection holds no snapshot between uses.
    void finish() { m_query.finish(); }

  private:
    bool prepare();

    QString m_text;
    QSqlQuery m_query;
    bool m_prepared = false;
};

}  // namespace vt
