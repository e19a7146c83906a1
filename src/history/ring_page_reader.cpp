#include "ring_page_reader.h"

#include <QVariant>

#include "ring_reader.h"
#include "ring_record_row.h"
#include "station_queries.h"

namespace vt {

RingPageReader::RingPageReader(const QSqlDatabase& db)
    : m_db(db),
      m_count(db, queries::CountBetween(Ring::TenSecond)),
      m_page(db, queries::PageAfter(Ring::TenSecond)) {}

bool RingPageReader::open() {
    m_newestId = RingReader(m_db, Ring::TenSecond).newestId();
    m_total = 0;
    m_segment = kSegments;
    const bool counted = m_count.exec({1, kRingCapacity}) && m_count.query().next();
    if (counted) m_total = m_count.query().value(0).toInt();
    m_count.finish();
    if (!counted) return false;
    // A position outside the ring means the oldest record is id 1.
    if (m_newestId < 0 || m_newestId >= kRingCapacity) m_newestId = 0;
    m_segment = 0;
    m_afterId = m_newestId;
    return true;
}

std::int32_t RingPageReader::segmentEnd() const {
    return m_segment == 0 ? kRingCapacity : m_newestId;
}

std::vector<RingRecord> RingPageReader::next(int limit) {
    std::vector<RingRecord> records;
    records.reserve(limit > 0 ? limit : 0);
    while (!atEnd() && static_cast<int>(records.size()) < limit) {
        if (!readInto(records, limit)) {
            m_segment = kSegments;
            break;
        }
    }
    return records;
}

// One statement over the current segment; moves to the next segment when this one runs out.
bool RingPageReader::readInto(std::vector<RingRecord>& records, int limit) {
    const int wanted = limit - static_cast<int>(records.size());
    if (!m_page.exec({m_afterId, segmentEnd(), wanted})) return false;
    int read = 0;
    QSqlQuery& query = m_page.query();
    while (query.next()) {
        records.push_back(RingRecordOf(query));
        ++read;
    }
    m_page.finish();
    if (read > 0) m_afterId = records.back().id;
    if (read < wanted) {
        ++m_segment;
        m_afterId = 0;
    }
    return true;
}

}  // namespace vt
