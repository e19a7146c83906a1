#include "ring_reader.h"

#include <QVariant>
#include <algorithm>

#include "ring_record_row.h"
#include "ring_rule.h"
#include "station_queries.h"

namespace vt {

RingReader::RingReader(const QSqlDatabase& db, Ring ring)
    : m_ring(ring),
      m_positions(db, queries::ReadPositions()),
      m_between(db, queries::WindowBetween(ring)),
      m_notBetween(db, queries::WindowNotBetween(ring)) {}

std::int32_t RingReader::newestId() {
    std::int32_t id = 0;
    if (m_positions.exec() && m_positions.query().next()) {
        id = m_positions.query().value(queries::PositionColumn(m_ring)).toInt();
    }
    m_positions.finish();
    return id;
}

std::vector<RingRecord> RingReader::readWindow(std::int32_t endId, std::int32_t count) {
    count = std::min(count, kRingCapacity);
    if (count <= 0) return {};
    const RingWindowIds ids = WindowIds(endId, count);
    PreparedStatement& statement = ids.wraps ? m_notBetween : m_between;
    std::vector<RingRecord> records;
    if (statement.exec({ids.first, ids.last})) {
        records.reserve(count);
        QSqlQuery& query = statement.query();
        while (static_cast<std::int32_t>(records.size()) < count && query.next()) {
            records.push_back(RingRecordOf(query));
        }
    }
    statement.finish();
    return records;
}

}  // namespace vt
