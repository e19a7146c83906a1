#include "journal_fixture.h"

#include <QSqlQuery>
#include <QVariant>

#include "day_serial.h"
#include "station_schema.h"

namespace vt::testing {

std::vector<JournalEntry> JournalEntries(const QSqlDatabase& db) {
    QSqlQuery query(db);
    query.exec(QStringLiteral("select * from write_journal order by id"));
    std::vector<JournalEntry> entries;
    while (query.next()) entries.push_back(JournalEntryOf(query));
    return entries;
}

std::string JournalLine(const JournalEntry& entry) {
    return QStringLiteral("%1|%2|%3 %4|%5|%6|%7|%8")
        .arg(entry.window, entry.caption,
             entry.coil ? QStringLiteral("coil") : QStringLiteral("holding"))
        .arg(entry.number)
        .arg(entry.before, entry.entered)
        .arg(entry.value)
        .arg(static_cast<int>(entry.result))
        .toStdString();
}

std::vector<std::string> JournalLines(const std::vector<JournalEntry>& entries) {
    std::vector<std::string> lines;
    for (const JournalEntry& entry : entries) lines.push_back(JournalLine(entry));
    return lines;
}

std::int64_t FillJournal(const QSqlDatabase& db, const JournalEntry& entry, const QDate& date,
                         int count) {
    QSqlDatabase connection = db;
    schema::CreateWriteJournal(connection);
    connection.transaction();
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral(
        "insert into write_journal values (null, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    const double day = static_cast<double>(date.toJulianDay() - kJulianDayOfSerialZero);
    for (int n = 0; n < count; ++n) {
        const QVariantList values{
            day,
            (8 * 3600 + n % 57600) / 86400.0,
            entry.window,
            entry.coil ? 1 : 0,
            entry.number,
            entry.caption,
            entry.before.isNull() ? QVariant() : QVariant(entry.before),
            entry.value + n,
            entry.entered,
            static_cast<int>(entry.result),
            entry.code,
            entry.retried ? QVariant(static_cast<int>(entry.retryResult)) : QVariant(),
            entry.retried ? QVariant(entry.retryCode) : QVariant()};
        for (int i = 0; i < values.size(); ++i) insert.bindValue(i, values[i]);
        insert.exec();
    }
    connection.commit();
    return insert.lastInsertId().toLongLong();
}

}  // namespace vt::testing
