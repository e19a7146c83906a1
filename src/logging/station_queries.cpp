#include "station_queries.h"

#include "station_schema.h"

namespace vt::queries {

namespace {

QString WindowQuery(Ring ring, const char* condition) {
    const QString head = ring == Ring::Second
                             ? QStringLiteral("select * from  pv_data where w_id")
                             : QStringLiteral("select * from  lpv_wdjl where lw_id");
    return head + QLatin1String(condition) + QStringLiteral(" ? and ? order by w_date,w_time");
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

QString WriteRecord(Ring ring) {
    const QString table =
        ring == Ring::Second ? QStringLiteral("pv_data") : QStringLiteral("Lpv_wdjl");
    return QStringLiteral("insert or replace into %1 values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
        .arg(table);
}

QString WindowBetween(Ring ring) { return WindowQuery(ring, "  between"); }

QString WindowNotBetween(Ring ring) { return WindowQuery(ring, " not between"); }

QString ReadLinkSettings() { return QStringLiteral("select * from  Charge_Data"); }

QString WriteLinkSettings() {
    using schema::kLinkColumns;
    return QStringLiteral(
               "update Charge_Data set %1=?, %2=?, %3=?, %4=? "
               "where rowid = (select min(rowid) from Charge_Data)")
        .arg(QLatin1String(kLinkColumns[1]), QLatin1String(kLinkColumns[2]),
             QLatin1String(kLinkColumns[6]), QLatin1String(kLinkColumns[7]));
}

}  // namespace vt::queries
