#include "minute_table.h"

namespace vt {

namespace {

const char* const kColumns =
    "first_seq, last_seq, first_t, last_t, lo1, lo2, lo3, lo4, lo5, lo6, lo7, lo8, "
    "hi1, hi2, hi3, hi4, hi5, hi6, hi7, hi8";

}  // namespace

const char* MinuteTableSchema() {
    return "create table if not exists record_minutes (batch INTEGER NOT NULL, "
           "first_seq INTEGER NOT NULL, last_seq INTEGER NOT NULL, first_t INTEGER NOT NULL, "
           "last_t INTEGER NOT NULL, lo1 REAL, lo2 REAL, lo3 REAL, lo4 REAL, lo5 REAL, lo6 REAL, "
           "lo7 REAL, lo8 REAL, hi1 REAL, hi2 REAL, hi3 REAL, hi4 REAL, hi5 REAL, hi6 REAL, "
           "hi7 REAL, hi8 REAL, PRIMARY KEY (batch, first_seq)) WITHOUT ROWID";
}

MinuteTable::MinuteTable(sqlite3* db) : m_db(db) {}

bool MinuteTable::write(std::int64_t batch, const MinuteSpan& s) {
    const std::string sql = std::string("insert into record_minutes (batch, ") + kColumns +
                            ") values (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, "
                            "?14, ?15, ?16, ?17, ?18, ?19, ?20, ?21)";
    SqliteStatement insert(m_db, sql.c_str());
    insert.bind(1, batch)
        .bind(2, s.firstSeq)
        .bind(3, s.lastSeq)
        .bind(4, s.firstMs)
        .bind(5, s.lastMs);
    for (int k = 0; k < 8; ++k) {
        insert.bind(6 + k, static_cast<double>(s.low[k]));
        insert.bind(14 + k, static_cast<double>(s.high[k]));
    }
    return insert.run();
}

std::vector<MinuteSpan> MinuteTable::overlapping(std::int64_t batch, std::int64_t fromMs,
                                                 std::int64_t toMs) {
    const std::string sql = std::string("select ") + kColumns +
                            " from record_minutes where batch = ?1 and last_t >= ?2 and "
                            "first_t <= ?3 order by first_seq";
    SqliteStatement select(m_db, sql.c_str());
    select.bind(1, batch).bind(2, fromMs).bind(3, toMs);
    std::vector<MinuteSpan> out;
    while (select.step()) {
        MinuteSpan& s = out.emplace_back();
        s.firstSeq = select.int64(0);
        s.lastSeq = select.int64(1);
        s.firstMs = select.int64(2);
        s.lastMs = select.int64(3);
        for (int k = 0; k < 8; ++k) {
            s.low[k] = static_cast<float>(select.real(4 + k));
            s.high[k] = static_cast<float>(select.real(12 + k));
        }
    }
    return out;
}

std::int64_t MinuteTable::coveredUpTo(std::int64_t batch) {
    SqliteStatement select(m_db, "select max(last_seq) from record_minutes where batch = ?1");
    select.bind(1, batch);
    return select.step() ? select.int64(0) : 0;
}

}  // namespace vt
