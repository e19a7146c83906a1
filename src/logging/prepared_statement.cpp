#include "prepared_statement.h"

#include <QSqlError>
#include <QVariant>
#include <utility>

#include "station_db_log.h"

namespace vt {

PreparedStatement::PreparedStatement(const QSqlDatabase& db, QString text)
    : m_text(std::move(text)), m_query(db) {
    m_query.setForwardOnly(true);
}

bool PreparedStatement::prepare() {
    if (!m_prepared) m_prepared = m_query.prepare(m_text);
    return m_prepared;
}

bool PreparedStatement::exec(const QVariantList& values) {
    if (prepare()) {
        int index = 0;
        for (const QVariant& value : values) m_query.bindValue(index++, value);
        if (m_query.exec()) return true;
    }
    qCWarning(lcStationDb) << "statement failed:" << m_text << m_query.lastError().text();
    return false;
}

}  // namespace vt
