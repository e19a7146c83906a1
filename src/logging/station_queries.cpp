#include "station_queries.h"

#include "station_schema.h"

namespace vt::queries {

namespace {

struct RingNames {
    QLatin1String table;
    QLatin1String key;
};

RingNames NamesOf(Ring ring) {
    return ring == Ring::Second ? RingNames{QLatin1String("pv_data"), QLatin1String("w_id")}
                                : RingNames{QLatin1String("Lpv_wdjl"), QLatin1String("lw_id")};
}

// A statement over a ring's table: %1 stands for the table, %2 for its id column.
QString OverRing(Ring ring, const char* text) {
    const RingNames names = NamesOf(ring);
    return QString::fromLatin1(text).arg(names.table, names.key);
}

}  // namespace

QString ReadPositions() { return QStringLiteral("select * from  sl_void"); }

int PositionColumn(Ring ring) { return ring == Ring::Second ? 0 : 2; }

QString WritePosition(Ring ring) {
    const auto& columns =
        ring == Ring::Second ? schema::kSecondIdColumns : schema::kTenSecondIdColumns;
    return QStringLiteral("update sl_void set %1=?, %2=?")
        .arg(QLatin1String(columns[0]), QLatin1String(columns[1]));
}

QString AddPositions() { return QStringLiteral("insert into sl_void values (?, ?, ?, ?)"); }

// With the id as the table's key, this updates the record in place or adds it.
QString WriteRecord(Ring ring) {
    return QStringLiteral("insert or replace into %1 values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
        .arg(NamesOf(ring).table);
}

QString WindowBetween(Ring ring) {
    return OverRing(ring, "select * from  %1 where %2  between ? and ? order by w_date,w_time");
}

// "not between", written as two ranges so that SQLite searches the key twice instead of
// scanning the whole ring.
QString WindowNotBetween(Ring ring) {
    return OverRing(ring, "select * from  %1 where (%2 < ? or %2 > ?) order by w_date,w_time");
}

QString CountBetween(Ring ring) {
    return OverRing(ring, "select count(*) from  %1 where %2 between ? and ?");
}

QString PageAfter(Ring ring) {
    return OverRing(ring, "select * from  %1 where %2 > ? and %2 <= ? order by %2 limit ?");
}

QString ReadLinkSettings() { return QStringLiteral("select * from  Charge_Data"); }

QString WriteLinkSettings() {
    using schema::kLinkColumns;
    return QStringLiteral(
               "update Charge_Data set %1=?, %2=?, %3=?, %4=? "
               "where rowid = (select min(rowid) from Charge_Data)")
        .arg(QLatin1String(kLinkColumns[1]), QLatin1String(kLinkColumns[2]),
             QLatin1String(kLinkColumns[6]), QLatin1String(kLinkColumns[7]));
}

QString JournalAdd() {
    return QStringLiteral(
        "insert into write_journal (w_date, w_time, window_name, coil, number, caption, "
        "value_before, value_sent, value_entered, outcome) values (?, ?, ?, ?, ?, ?, ?, ?, ?, 0)");
}

QString JournalTrim() { return QStringLiteral("delete from write_journal where id <= ?"); }

QString JournalResult() {
    return QStringLiteral(
        "update write_journal set outcome=?, result_code=?, retry_outcome=?, retry_code=? "
        "where id=?");
}

// Both pages are one range of the date index, read backwards: a page costs the same wherever
// it lies. (A single statement over (w_date, id) < (?, ?) is searched by the date alone.)
QString JournalPageOfDay() {
    return QStringLiteral(
        "select * from write_journal where w_date = ? and id < ? order by id desc limit ?");
}

QString JournalPageBefore() {
    return QStringLiteral(
        "select * from write_journal where w_date < ? and w_date >= ? "
        "order by w_date desc, id desc limit ?");
}

QString JournalCount() {
    return QStringLiteral("select count(*) from write_journal where w_date between ? and ?");
}

QString JournalFirstDate() { return QStringLiteral("select min(w_date) from write_journal"); }

QString NoAutomaticCheckpoint() { return QStringLiteral("pragma wal_autocheckpoint=0"); }

QString JournalCheckpoint() { return QStringLiteral("pragma wal_checkpoint(PASSIVE)"); }

}  // namespace vt::queries
