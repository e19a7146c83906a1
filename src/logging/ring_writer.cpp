#include "ring_writer.h"

#include <QSqlError>
#include <QVariant>
#include <utility>

#include "prepared_statement.h"
#include "ring_rule.h"
#include "sqlite_statement.h"
#include "station_db_log.h"
#include "station_queries.h"
#include "wal_checkpoint.h"

namespace vt {

namespace {

// After a failure, every this many writes one tries to open the file again.
constexpr int kReopenEvery = 10;

int Index(Ring ring) { return ring == Ring::Second ? 0 : 1; }

}  // namespace

// The connection and its statements; the statements go before the connection does.
struct RingWriter::Session {
    explicit Session(DbConnection&& opened)
        : connection(std::move(opened)),
          positions(connection.database(), queries::ReadPositions()),
          addPositions(connection.database(), queries::AddPositions()),
          records{PreparedStatement(connection.database(), queries::WriteRecord(Ring::Second)),
                  PreparedStatement(connection.database(), queries::WriteRecord(Ring::TenSecond))},
          marks{PreparedStatement(connection.database(), queries::WritePosition(Ring::Second)),
                PreparedStatement(connection.database(), queries::WritePosition(Ring::TenSecond))} {
    }

    // The log copied back on a thread of its own, so no record's commit waits for an fsync.
    void copyLogAside(const QString& path) {
        checkpoint = std::make_unique<WalCheckpoint>(SqliteHandle(connection.database()), path);
    }

    DbConnection connection;
    PreparedStatement positions;
    PreparedStatement addPositions;
    std::array<PreparedStatement, 2> records;
    std::array<PreparedStatement, 2> marks;
    std::unique_ptr<WalCheckpoint> checkpoint;  // stops before the connection closes
};

RingWriter::RingWriter(QString path) : m_database(std::move(path)) {}

RingWriter::~RingWriter() = default;

bool RingWriter::open() {
    if (m_session) return true;
    if (m_attemptsUntilReopen > 0) {
        --m_attemptsUntilReopen;
        return false;
    }
    if (openSession()) {
        qCInfo(lcStationDb) << "logging into" << m_database.path() << "after ids" << m_newest[0]
                            << m_newest[1];
        return true;
    }
    dropSession();
    return false;
}

bool RingWriter::openSession() {
    if (!m_database.prepare()) return false;
    m_session = std::make_unique<Session>(m_database.connect(QStringLiteral("logger")));
    if (!m_session->connection.isOpen() || !m_session->positions.exec()) return false;
    m_session->copyLogAside(m_database.path());
    QSqlQuery& row = m_session->positions.query();
    if (row.next()) {
        m_newest[0] = row.value(queries::PositionColumn(Ring::Second)).toInt();
        m_newest[1] = row.value(queries::PositionColumn(Ring::TenSecond)).toInt();
        m_session->positions.finish();
        return true;
    }
    // The positions record is gone: start both rings afresh, with a record to keep them in.
    m_session->positions.finish();
    m_newest = {0, 0};
    return m_session->addPositions.exec({0, 0, 0, 0});
}

std::int32_t RingWriter::newestId(Ring ring) const { return m_newest[Index(ring)]; }

std::optional<std::int32_t> RingWriter::append(Ring ring, double date, double time,
                                               const std::array<float, 8>& values) {
    if (!open()) return std::nullopt;
    const std::int32_t id = NextRingId(m_newest[Index(ring)]);
    QVariantList record{id, date, time};
    for (float value : values) record << value;
    if (!writeTransaction(ring, record)) {
        dropSession();
        return std::nullopt;
    }
    m_newest[Index(ring)] = id;
    return id;
}

bool RingWriter::writeTransaction(Ring ring, const QVariantList& record) {
    QSqlDatabase db = m_session->connection.database();
    if (!db.transaction()) {
        qCWarning(lcStationDb) << "cannot start a ring write" << db.lastError().text();
        return false;
    }
    PreparedStatement& mark = m_session->marks[Index(ring)];
    const bool written = m_session->records[Index(ring)].exec(record) &&
                         mark.exec({record[0], record[0]}) && mark.query().numRowsAffected() > 0 &&
                         db.commit();
    if (!written) {
        qCWarning(lcStationDb) << "ring record" << record[0].toInt() << "not written"
                               << db.lastError().text();
        db.rollback();
    }
    return written;
}

void RingWriter::dropSession() {
    if (m_session) qCWarning(lcStationDb) << "closing" << m_database.path() << "after a failure";
    m_session.reset();
    m_attemptsUntilReopen = kReopenEvery;
}

}  // namespace vt
