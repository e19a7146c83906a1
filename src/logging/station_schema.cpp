#include "station_schema.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include "station_db_log.h"

namespace vt::schema {

namespace {

QString RingTableDdl(const QString& table, const QStringList& leadColumns,
                     const QString& valuePrefix) {
    QStringList columns{leadColumns[0] + QStringLiteral(" INTEGER PRIMARY KEY"),
                        leadColumns[1] + QStringLiteral(" REAL"),
                        leadColumns[2] + QStringLiteral(" REAL")};
    for (int i = 1; i <= 8; ++i) columns << QStringLiteral("%1%2 REAL").arg(valuePrefix).arg(i);
    return QStringLiteral("create table %1 (%2)").arg(table, columns.join(QStringLiteral(", ")));
}

QString IntegerTableDdl(const QString& table, const QStringList& names) {
    QStringList columns;
    for (const QString& name : names) columns << name + QStringLiteral(" INTEGER");
    return QStringLiteral("create table %1 (%2)").arg(table, columns.join(QStringLiteral(", ")));
}

QStringList Statements() {
    const QStringList positions{kSecondIdColumns[0], kSecondIdColumns[1], kTenSecondIdColumns[0],
                                kTenSecondIdColumns[1]};
    QStringList link;
    for (const char* name : kLinkColumns) link << QString::fromLatin1(name);
    return {
        RingTableDdl(QStringLiteral("pv_data"), {"w_id", "w_date", "w_time"},
                     QStringLiteral("w_d")),
        RingTableDdl(QStringLiteral("Lpv_wdjl"), {"LW_Id", "W_Date", "W_Time"},
                     QStringLiteral("W_D")),
        IntegerTableDdl(QStringLiteral("sl_void"), positions),
        QStringLiteral("insert into sl_void values (0, 0, 0, 0)"),
        IntegerTableDdl(QStringLiteral("Charge_Data"), link),
        QStringLiteral("insert into Charge_Data values (1, 0, 0, 0, 0, 0, 0, 0)"),
    };
}

QStringList JournalStatements() {
    return {
        QStringLiteral("create table if not exists write_journal (id INTEGER PRIMARY KEY, "
                       "w_date REAL, w_time REAL, window_name TEXT, coil INTEGER, "
                       "number INTEGER, caption TEXT, value_before TEXT, value_sent INTEGER, "
                       "value_entered TEXT, outcome INTEGER, result_code INTEGER, "
                       "retry_outcome INTEGER, retry_code INTEGER)"),
        QStringLiteral("create index if not exists write_journal_by_date "
                       "on write_journal (w_date, id)"),
    };
}

}  // namespace

bool CreateWriteJournal(QSqlDatabase& db) {
    QSqlQuery query(db);
    for (const QString& statement : JournalStatements()) {
        if (!query.exec(statement)) {
            qCWarning(lcStationDb)
                << "cannot make the journal of writes:" << statement << query.lastError().text();
            return false;
        }
    }
    return true;
}

bool CreateStationTables(QSqlDatabase& db) {
    if (!db.transaction()) {
        qCWarning(lcStationDb) << "cannot start creating the tables" << db.lastError().text();
        return false;
    }
    QSqlQuery query(db);
    for (const QString& statement : Statements()) {
        if (!query.exec(statement)) {
            qCWarning(lcStationDb)
                << "creating the tables failed:" << statement << query.lastError().text();
            query.finish();
            db.rollback();
            return false;
        }
    }
    query.finish();
    if (!db.commit()) {
        qCWarning(lcStationDb) << "cannot commit the new tables" << db.lastError().text();
        db.rollback();
        return false;
    }
    return true;
}

}  // namespace vt::schema
