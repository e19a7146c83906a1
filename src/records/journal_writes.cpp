#include "journal_writes.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

#include "db_connection.h"

namespace vt {

std::int64_t JournalMark(const QString& databasePath) {
    if (databasePath.isEmpty()) return 0;
    DbConnection connection(databasePath, QStringLiteral("records-journal"));
    QSqlQuery q(connection.database());
    return q.exec(QStringLiteral("select max(id) from write_journal")) && q.next()
               ? q.value(0).toLongLong()
               : 0;
}

std::vector<QJsonObject> JournalWritesSince(const QString& databasePath, std::int64_t mark) {
    std::vector<QJsonObject> out;
    if (databasePath.isEmpty()) return out;
    DbConnection connection(databasePath, QStringLiteral("records-journal"));
    {
        QSqlQuery q(connection.database());
        q.prepare(QStringLiteral("select * from write_journal where id > ? order by id"));
        q.addBindValue(QVariant::fromValue<qint64>(mark));
        if (!q.exec()) return out;
        while (q.next()) {
            const QSqlRecord record = q.record();
            QJsonObject o;
            for (int i = 0; i < record.count(); ++i)
                o.insert(record.fieldName(i), QJsonValue::fromVariant(record.value(i)));
            out.push_back(o);
        }
    }
    return out;
}

}  // namespace vt
