#include "ring_fixture.h"

#include <QSqlQuery>
#include <QVariant>
#include <utility>

#include "clock_reading.h"
#include "ring_record_row.h"
#include "ring_rule.h"
#include "station_queries.h"

namespace vt::testing {

namespace {

const char* TableOf(Ring ring) { return ring == Ring::Second ? "pv_data" : "Lpv_wdjl"; }

std::array<double, 8> IdValues(std::int32_t id) {
    std::array<double, 8> values{};
    for (int column = 0; column < 8; ++column) values[column] = id + column / 10.0;
    return values;
}

}  // namespace

QDateTime FixtureStart() { return QDateTime(QDate(2026, 3, 1), QTime(8, 0, 0), Qt::UTC); }

std::int32_t FillRing(const QSqlDatabase& db, Ring ring, std::int32_t firstId, std::int32_t count,
                      const QDateTime& start, int stepSeconds, const RecordValues& values) {
    QSqlDatabase connection = db;
    connection.transaction();
    QSqlQuery insert(db);
    insert.prepare(queries::WriteRecord(ring));
    std::int32_t id = firstId;
    for (std::int32_t n = 0; n < count; ++n, id = NextRingId(id)) {
        const ClockReading at = ReadClock(start.addSecs(qint64{n} * stepSeconds));
        insert.bindValue(0, id);
        insert.bindValue(1, at.date);
        insert.bindValue(2, at.time);
        const std::array<double, 8> logged = values ? values(n, id) : IdValues(id);
        for (int column = 0; column < 8; ++column) insert.bindValue(3 + column, logged[column]);
        insert.exec();
    }
    const std::int32_t last = count > 0 ? (id == 1 ? kRingCapacity : id - 1) : firstId - 1;
    QSqlQuery mark(db);
    mark.prepare(queries::WritePosition(ring));
    mark.bindValue(0, last);
    mark.bindValue(1, last);
    mark.exec();
    connection.commit();
    return last;
}

std::vector<RingRecord> RecordsByTime(const QSqlDatabase& db, Ring ring) {
    QSqlQuery query(db);
    query.exec(QStringLiteral("select * from %1 order by 2, 3").arg(TableOf(ring)));
    std::vector<RingRecord> records;
    while (query.next()) records.push_back(RingRecordOf(query));
    return records;
}

std::array<std::int32_t, 4> Positions(const QSqlDatabase& db) {
    QSqlQuery query(db);
    if (!query.exec(queries::ReadPositions()) || !query.next()) return {-1, -1, -1, -1};
    return {query.value(0).toInt(), query.value(1).toInt(), query.value(2).toInt(),
            query.value(3).toInt()};
}

bool SetPositions(const QSqlDatabase& db, std::int32_t secondId, std::int32_t tenSecondId) {
    for (const auto& [ring, id] :
         {std::pair{Ring::Second, secondId}, {Ring::TenSecond, tenSecondId}}) {
        QSqlQuery mark(db);
        mark.prepare(queries::WritePosition(ring));
        mark.bindValue(0, id);
        mark.bindValue(1, id);
        if (!mark.exec()) return false;
    }
    return true;
}

}  // namespace vt::testing
