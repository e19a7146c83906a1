#include "saved_link_settings.h"

#include <QVariant>

#include "prepared_statement.h"
#include "station_queries.h"

namespace vt {

SavedLinkSettings::SavedLinkSettings(const QSqlDatabase& db) : m_db(db) {}

std::optional<SavedLink> SavedLinkSettings::restore() const {
    PreparedStatement read(m_db, queries::ReadLinkSettings());
    if (!read.exec() || !read.query().next()) return std::nullopt;
    const QSqlQuery& row = read.query();
    return SavedLink{row.value(1).toInt(), row.value(2).toInt(), row.value(6).toInt(),
                     row.value(7).toInt()};
}

bool SavedLinkSettings::save(std::int32_t port, std::int32_t baudCode, std::int32_t parityCode,
                             std::int32_t address) const {
    PreparedStatement write(m_db, queries::WriteLinkSettings());
    return write.exec({port - 1, baudCode, parityCode, address - 1}) &&
           write.query().numRowsAffected() > 0;
}

}  // namespace vt
