#include "record_reader.h"

#include "batch_record.h"

namespace vt {

RecordReader::RecordReader(sqlite3* db)
    : m_select(db,
               "select seq, t, r_date, r_time, v1, v2, v3, v4, v5, v6, v7, v8, hash from records "
               "where batch = ?1 and seq >= ?2 and seq <= ?3 order by seq limit ?4") {}

void RecordReader::select(std::int64_t batch, std::int64_t first, std::int64_t last,
                          std::int64_t limit) {
    m_select.reset().bind(1, batch).bind(2, first).bind(3, last).bind(4, limit);
}

bool RecordReader::next(BatchRecord& out) {
    if (!m_select.step()) return false;
    out.seq = m_select.int64(0);
    out.timeMs = m_select.int64(1);
    out.date = m_select.real(2);
    out.time = m_select.real(3);
    for (int k = 0; k < 8; ++k) out.values[k] = static_cast<float>(m_select.real(4 + k));
    return true;
}

}  // namespace vt
