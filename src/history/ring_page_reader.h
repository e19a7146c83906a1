#pragma once

#include <QSqlDatabase>
#include <cstdint>
#include <vector>

#include "prepared_statement.h"
#include "ring_record.h"

namespace vt {

// Reads the whole ten-second ring page by page, oldest record first: the ids after the newest
// one up to the last id of the ring, then the ids from 1 up to the newest. The ring is taken
// as it stands when open() is called; every page follows the primary key, so a page costs
// the same wherever it lies. The connection must outlive the reader.
class RingPageReader {
  public:
    explicit RingPageReader(const QSqlDatabase& db);

    // Reads the newest id and the number of records; false when the table cannot be read.
    bool open();
    std::int32_t total() const { return m_total; }
    std::int32_t newestId() const { return m_newestId; }
    bool atEnd() const { return m_segment >= kSegments; }

    // Up to `limit` further records in ring order; fewer only at the end or on an error, after
    // which atEnd() holds.
    std::vector<RingRecord> next(int limit);

  private:
    static constexpr int kSegments = 2;
    // Largest id of the segment being read: the last id of the ring, then the newest id.
    std::int32_t segmentEnd() const;
    bool readInto(std::vector<RingRecord>& records, int limit);

    QSqlDatabase m_db;
    PreparedStatement m_count;
    PreparedStatement m_page;
    std::int32_t m_total = 0;
    std::int32_t m_newestId = 0;
    int m_segment = kSegments;
    std::int32_t m_afterId = 0;  // the page continues after this id
};

}  // namespace vt
