#include "alarm_store.h"

#include <QLoggingCategory>
#include <QSqlError>
#include <QSqlQuery>

#include "alarm_row.h"
#include "station_database.h"

namespace vt {

namespace {

Q_LOGGING_CATEGORY(lcAlarmStore, "station.alarms.store")

QString AddStatement() {
    return QStringLiteral(
               "insert into alarm_log (%1) values (null, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
               "?, ?, ?)")
        .arg(QLatin1String(kAlarmColumns));
}

}  // namespace

AlarmStore::AlarmStore(const QString& databasePath, int kept)
    : m_db(StationDatabase(databasePath).connect(QStringLiteral("alarms"))),
      m_add(m_db.database(), AddStatement()),
      m_trim(m_db.database(), QStringLiteral("delete from alarm_log where id <= ?")),
      m_kept(kept) {
    QSqlDatabase db = m_db.database();
    if (m_db.isOpen()) CreateTable(db);
}

AlarmStore::~AlarmStore() = default;

bool AlarmStore::CreateTable(QSqlDatabase& db) {
    QSqlQuery query(db);
    for (const char* statement :
         {"create table if not exists alarm_log (id INTEGER PRIMARY KEY, a_date REAL, "
          "at_ms INTEGER, source INTEGER, kind INTEGER, state INTEGER, text TEXT, value TEXT, "
          "who TEXT, comment TEXT, count INTEGER, raised_ms INTEGER, until_ms INTEGER)",
          "create index if not exists alarm_log_by_date on alarm_log (a_date, id)",
          "create index if not exists alarm_log_by_source on alarm_log (source, id)"}) {
        if (!query.exec(QLatin1String(statement))) {
            qCWarning(lcAlarmStore) << "cannot make the alarm table" << query.lastError().text();
            return false;
        }
    }
    return true;
}

bool AlarmStore::append(AlarmTransition& t) {
    QSqlDatabase db = m_db.database();
    if (!m_db.isOpen() || !db.transaction()) return false;
    const bool written = m_add.exec(AlarmRowValues(t));
    const qint64 id = written ? m_add.query().lastInsertId().toLongLong() : 0;
    if (written && m_trim.exec({id - m_kept}) && db.commit()) {
        t.id = id;
        return true;
    }
    qCWarning(lcAlarmStore) << "cannot record an alarm transition" << db.lastError().text();
    db.rollback();
    return false;
}

std::vector<AlarmTransition> AlarmStore::lastOfEachSource() {
    std::vector<AlarmTransition> last;
    QSqlQuery query(m_db.database());
    const QString text = QStringLiteral(
                             "select %1 from alarm_log where id in (select max(id) from alarm_log "
                             "group by source)")
                             .arg(QLatin1String(kAlarmColumns));
    if (!query.exec(text)) return last;
    while (query.next()) last.push_back(AlarmTransitionOf(query));
    return last;
}

}  // namespace vt
