#include "outbox.h"

#include <QLoggingCategory>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>

namespace vt {

namespace {

Q_LOGGING_CATEGORY(lcOutbox, "station.plant.outbox")

// Bytes a row costs beside its payload (id, topic, numbers, index entry).
constexpr std::int64_t kRowOverhead = 64;
// Sequence numbers of the loose topics reserved at a time.
constexpr std::int64_t kSequenceBlock = 1000;
// Rows dropped per step while the outbox is over its size.
constexpr int kDropStep = 100;

const QString kDropped = QStringLiteral("dropped");
const QString kDroppedHistory = QStringLiteral("droppedHistory");

}  // namespace

Outbox::Outbox(QString path, OutboxLimits limits)
    : m_path(std::move(path)),
      m_connection(QStringLiteral("plant.outbox.") + QUuid::createUuid().toString(QUuid::Id128)),
      m_limits(limits) {}

Outbox::~Outbox() {
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connection);
}

bool Outbox::open() {
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    m_db.setDatabaseName(m_path);
    if (!m_db.open() || !prepareSchema()) {
        qCWarning(lcOutbox) << "cannot use the outbox" << m_path << m_db.lastError().text();
        m_db.close();
        return false;
    }
    loadTotals();
    return true;
}

bool Outbox::exec(const QString& statement) {
    QSqlQuery query(m_db);
    return query.exec(statement);
}

// A committed message survives a kill -9 and a power cut: the log is synced on every commit.
bool Outbox::prepareSchema() {
    return exec(QStringLiteral("pragma journal_mode=wal")) &&
           exec(QStringLiteral("pragma synchronous=full")) &&
           exec(QStringLiteral("create table if not exists outbox (id integer primary key "
                               "autoincrement, topic text not null, seq integer not null, "
                               "created integer not null, payload blob not null)")) &&
           exec(QStringLiteral("create table if not exists sequence (topic text primary key, "
                               "next integer not null)")) &&
           exec(QStringLiteral("create table if not exists counter (name text primary key, "
                               "value integer not null)"));
}

void Outbox::loadTotals() {
    QSqlQuery query(m_db);
    if (query.exec(QStringLiteral("select count(*), coalesce(sum(length(payload)), 0) from "
                                  "outbox")) &&
        query.next()) {
        m_waiting = query.value(0).toLongLong();
        m_bytes = query.value(1).toLongLong() + m_waiting * kRowOverhead;
    }
    if (query.exec(QStringLiteral("select topic, next from sequence"))) {
        while (query.next()) {
            m_next.insert(query.value(0).toString(), query.value(1).toLongLong());
            m_reserved.insert(query.value(0).toString(), query.value(1).toLongLong());
        }
    }
    if (query.exec(QStringLiteral("select name, value from counter"))) {
        while (query.next()) {
            const std::int64_t value = query.value(1).toLongLong();
            if (query.value(0).toString() == kDropped) m_dropped = value;
            if (query.value(0).toString() == kDroppedHistory) m_droppedHistory = value;
        }
    }
}

std::int64_t Outbox::nextSequence(const QString& topic) { return m_next.value(topic, 1); }

bool Outbox::storeSequence(const QString& topic, std::int64_t next) {
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("insert or replace into sequence (topic, next) values (?, ?)"));
    query.addBindValue(topic);
    query.addBindValue(QVariant::fromValue(next));
    return query.exec();
}

std::optional<OutboxEntry> Outbox::add(const QString& topic, const QJsonObject& body,
                                       const QDateTime& time) {
    if (!isOpen() || !m_db.transaction()) return std::nullopt;
    const std::int64_t seq = nextSequence(topic);
    OutboxEntry entry{0, topic, seq, CompactJson(Stamped(body, time, seq))};
    QSqlQuery query(m_db);
    query.prepare(
        QStringLiteral("insert into outbox (topic, seq, created, payload) values (?, ?, "
                       "?, ?)"));
    query.addBindValue(topic);
    query.addBindValue(QVariant::fromValue(entry.seq));
    query.addBindValue(QVariant::fromValue(QDateTime::currentMSecsSinceEpoch()));
    query.addBindValue(entry.payload);
    const bool stored = query.exec() && storeSequence(topic, entry.seq + 1);
    if (stored) entry.id = query.lastInsertId().toLongLong();
    if (!stored || !m_db.commit()) {
        qCWarning(lcOutbox) << "cannot keep a message for" << topic << m_db.lastError().text();
        m_db.rollback();
        return std::nullopt;
    }
    m_next.insert(topic, entry.seq + 1);
    ++m_waiting;
    m_bytes += entry.payload.size() + kRowOverhead;
    keepSize();
    return entry;
}

std::vector<OutboxEntry> Outbox::after(std::int64_t after, int count) {
    std::vector<OutboxEntry> entries;
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    query.prepare(
        QStringLiteral("select id, topic, seq, payload from outbox where id > ? order "
                       "by id limit ?"));
    query.addBindValue(QVariant::fromValue(after));
    query.addBindValue(count);
    if (!query.exec()) return entries;
    while (query.next()) {
        entries.push_back({query.value(0).toLongLong(), query.value(1).toString(),
                           query.value(2).toLongLong(), query.value(3).toByteArray()});
    }
    return entries;
}

void Outbox::remove(const std::vector<OutboxEntry>& entries) {
    if (entries.empty() || !m_db.transaction()) return;
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("delete from outbox where id = ?"));
    std::int64_t removed = 0;
    std::int64_t bytes = 0;
    for (const OutboxEntry& entry : entries) {
        query.bindValue(0, QVariant::fromValue(entry.id));
        if (!query.exec() || query.numRowsAffected() != 1) continue;  // dropped meanwhile
        ++removed;
        bytes += entry.payload.size() + kRowOverhead;
    }
    if (!m_db.commit()) {
        m_db.rollback();
        return;
    }
    m_waiting -= removed;
    m_bytes -= bytes;
}

std::int64_t Outbox::takeSequence(const QString& topic) {
    const std::int64_t seq = nextSequence(topic);
    if (seq >= m_reserved.value(topic, 1)) {
        const std::int64_t reserve = seq + kSequenceBlock;
        if (isOpen() && storeSequence(topic, reserve)) m_reserved.insert(topic, reserve);
    }
    m_next.insert(topic, seq + 1);
    return seq;
}

OutboxCounters Outbox::counters() const { return {m_waiting, m_dropped, m_droppedHistory}; }

std::vector<Outbox::Row> Outbox::oldest(bool historyOnly, int count) {
    std::vector<Row> rows;
    QSqlQuery query(m_db);
    query.prepare(historyOnly ? QStringLiteral("select id, topic, length(payload) from outbox "
                                               "where topic = ? order by id limit ?")
                              : QStringLiteral("select id, topic, length(payload) from outbox "
                                               "where topic <> ? order by id limit ?"));
    query.addBindValue(PlantTopicName::History);
    query.addBindValue(count);
    if (query.exec()) {
        while (query.next()) {
            rows.push_back({query.value(0).toLongLong(), query.value(1).toString(),
                            query.value(2).toLongLong()});
        }
    }
    return rows;
}

std::vector<Outbox::Row> Outbox::olderThan(std::int64_t createdMs) {
    std::vector<Row> rows;
    QSqlQuery query(m_db);
    query.prepare(
        QStringLiteral("select id, topic, length(payload) from outbox where created < ? "
                       "order by id"));
    query.addBindValue(QVariant::fromValue(createdMs));
    if (query.exec()) {
        while (query.next()) {
            rows.push_back({query.value(0).toLongLong(), query.value(1).toString(),
                            query.value(2).toLongLong()});
        }
    }
    return rows;
}

// The rows go, and the count of what was not history grows, in one transaction.
void Outbox::drop(const std::vector<Row>& rows) {
    if (rows.empty() || !m_db.transaction()) return;
    QSqlQuery del(m_db);
    del.prepare(QStringLiteral("delete from outbox where id = ?"));
    std::int64_t history = 0;
    std::int64_t other = 0;
    std::int64_t bytes = 0;
    for (const Row& row : rows) {
        del.bindValue(0, QVariant::fromValue(row.id));
        if (!del.exec() || del.numRowsAffected() != 1) continue;
        (row.topic == PlantTopicName::History ? history : other) += 1;
        bytes += row.size + kRowOverhead;
    }
    QSqlQuery count(m_db);
    count.prepare(QStringLiteral("insert or replace into counter (name, value) values (?, ?)"));
    count.addBindValue(QVariantList{kDropped, kDroppedHistory});
    count.addBindValue(QVariantList{QVariant::fromValue(m_dropped + other),
                                    QVariant::fromValue(m_droppedHistory + history)});
    if (!count.execBatch() || !m_db.commit()) {
        m_db.rollback();
        return;
    }
    m_dropped += other;
    m_droppedHistory += history;
    m_waiting -= history + other;
    m_bytes -= bytes;
    if (other > 0) {
        qCWarning(lcOutbox) << "the outbox is full:" << other
                            << "messages other than history were dropped; dropped in all:"
                            << m_dropped;
    }
}

// Over its size the oldest history goes first, then the oldest of the rest, no more than
// needed.
void Outbox::keepSize() {
    for (bool historyOnly : {true, false}) {
        while (m_bytes > m_limits.maxBytes) {
            std::vector<Row> rows = oldest(historyOnly, kDropStep);
            if (rows.empty()) break;
            std::int64_t freed = 0;
            std::size_t needed = 0;
            while (needed < rows.size() && freed < m_bytes - m_limits.maxBytes)
                freed += rows[needed++].size + kRowOverhead;
            rows.resize(needed);
            drop(rows);
        }
    }
}

void Outbox::keepBounds(const QDateTime& now) {
    if (!isOpen()) return;
    drop(olderThan(now.toMSecsSinceEpoch() - m_limits.maxAgeMs));
    keepSize();
}

}  // namespace vt
