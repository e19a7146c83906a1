#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "plant_payloads.h"

namespace vt {

// One message waiting in the outbox.
struct OutboxEntry {
    std::int64_t id = 0;
    QString topic;
    std::int64_t seq = 0;
    QByteArray payload;
};

// How much the outbox keeps at most: seven days and 500 MB unless told otherwise.
struct OutboxLimits {
    std::int64_t maxAgeMs = 7LL * 24 * 3600 * 1000;
    std::int64_t maxBytes = 500LL * 1024 * 1024;
};

// The durable outbox of the plant link: every QoS 1 message is committed to its own SQLite file
// with its topic's next sequence number before it may leave, and is removed only once the broker
// has acknowledged it, so a broker away for hours, a restart or a kill -9 loses none; a message
// sent again after a kill -9 carries the number it had. Sequence numbers of every topic (also of
// those that never wait here) only ever grow, across restarts. Over its bounds the oldest
// history goes first; anything else dropped is counted, and the count is kept in the file.
// Used on one thread only (the plant link's).
class Outbox {
  public:
    explicit Outbox(QString path, OutboxLimits limits = {});
    ~Outbox();
    Outbox(const Outbox&) = delete;
    Outbox& operator=(const Outbox&) = delete;

    // Opens (creating when missing) the file; false when it cannot be used.
    bool open();
    bool isOpen() const { return m_db.isOpen(); }

    // Commits `body` for `topic`, stamped with `time` and the topic's next sequence number.
    std::optional<OutboxEntry> add(const QString& topic, const QJsonObject& body,
                                   const QDateTime& time);
    // Up to `count` waiting entries with ids above `after`, oldest first.
    std::vector<OutboxEntry> after(std::int64_t after, int count);
    // The broker acknowledged these entries: they leave, in one transaction.
    void remove(const std::vector<OutboxEntry>& entries);
    // The next sequence number of a topic whose messages do not wait here (live, status,
    // settings); numbers are reserved in blocks, so the file is written once per block.
    std::int64_t takeSequence(const QString& topic);
    // Drops what is older than the age bound (history first, the rest counted).
    void keepBounds(const QDateTime& now);

    OutboxCounters counters() const;
    std::int64_t bytes() const { return m_bytes; }

  private:
    struct Row {
        std::int64_t id;
        QString topic;
        std::int64_t size;
    };

    bool prepareSchema();
    void loadTotals();
    std::int64_t nextSequence(const QString& topic);
    bool storeSequence(const QString& topic, std::int64_t next);
    void keepSize();
    std::vector<Row> oldest(bool historyOnly, int count);
    std::vector<Row> olderThan(std::int64_t createdMs);
    void drop(const std::vector<Row>& rows);
    bool exec(const QString& statement);

    QString m_path;
    QString m_connection;
    OutboxLimits m_limits;
    QSqlDatabase m_db;
    QHash<QString, std::int64_t> m_next;      // next number of each topic
    QHash<QString, std::int64_t> m_reserved;  // numbers below this are reserved (loose topics)
    std::int64_t m_waiting = 0;
    std::int64_t m_bytes = 0;
    std::int64_t m_dropped = 0;
    std::int64_t m_droppedHistory = 0;
};

}  // namespace vt
