#include "write_journal.h"

#include <QSqlQuery>
#include <QVariant>
#include <utility>

#include "clock_reading.h"
#include "journal_entry.h"
#include "prepared_statement.h"
#include "station_db_log.h"
#include "station_queries.h"
#include "station_schema.h"

namespace vt {

namespace {

// The journal's connection never copies the database's log back into the file inside a commit,
// nor starts the log afresh in the entry's commit (each can take milliseconds, and that commit
// comes before the frame leaves): every so many entries it copies the log after the answer, just
// before the result's commit, which then starts the log afresh. The other connections keep
// SQLite's automatic copy.
constexpr int kCheckpointEvery = 200;

bool IsWrite(LinkOp op) {
    return op == LinkOp::WriteRegister || op == LinkOp::SetCoil || op == LinkOp::ResetCoil;
}

std::int32_t ValueSent(const LinkJob& job) {
    if (job.op == LinkOp::WriteRegister) return job.value;
    return job.op == LinkOp::SetCoil ? 1 : 0;
}

// An empty text is stored as null: the value was not known.
QVariant TextOrNull(const QString& text) { return text.isEmpty() ? QVariant() : QVariant(text); }

}  // namespace

// The connection and its statements; the statements go before the connection does.
struct WriteJournal::Session {
    explicit Session(DbConnection&& opened)
        : connection(std::move(opened)),
          add(connection.database(), queries::JournalAdd()),
          trim(connection.database(), queries::JournalTrim()),
          result(connection.database(), queries::JournalResult()),
          checkpoint(connection.database(), queries::JournalCheckpoint()) {}

    DbConnection connection;
    PreparedStatement add;
    PreparedStatement trim;
    PreparedStatement result;
    PreparedStatement checkpoint;
    int sinceCheckpoint = 0;
};

WriteJournal::WriteJournal(QString databasePath, int capacity)
    : m_database(std::move(databasePath)), m_capacity(capacity) {}

WriteJournal::~WriteJournal() = default;

bool WriteJournal::open() {
    if (m_session) return true;
    if (!m_database.prepare()) return false;
    m_session = std::make_unique<Session>(m_database.connect(QStringLiteral("journal")));
    QSqlDatabase db = m_session->connection.database();
    if (m_session->connection.isOpen() && schema::CreateWriteJournal(db) &&
        QSqlQuery(db).exec(queries::NoAutomaticCheckpoint()))
        return true;
    m_session.reset();
    return false;
}

std::int64_t WriteJournal::sending(const LinkJob& job) {
    if (!IsWrite(job.op) || !open()) return 0;
    std::int64_t id = 0;
    if (addEntry(job, id)) return id;
    qCWarning(lcStationDb) << "write to" << job.first << "goes out without a journal entry";
    dropSession();
    return 0;
}

// The new entry and the trimming of the oldest in one transaction.
bool WriteJournal::addEntry(const LinkJob& job, std::int64_t& id) {
    QSqlDatabase db = m_session->connection.database();
    if (!db.transaction()) return false;
    const ClockReading now = ReadClock(QDateTime::currentDateTime());
    const JournalNote& note = job.note;
    bool done = m_session->add.exec(
        {now.date, now.time, note.window, job.op == LinkOp::WriteRegister ? 0 : 1, job.first,
         note.caption, TextOrNull(note.before), ValueSent(job), note.entered});
    if (done) id = m_session->add.query().lastInsertId().toLongLong();
    done = done && id > 0 && m_session->trim.exec({QVariant::fromValue(id - m_capacity)}) &&
           db.commit();
    if (!done) db.rollback();
    return done;
}

void WriteJournal::finished(std::int64_t entry, const LinkReply& reply) {
    if (entry == 0 || !m_session) return;
    checkpointWhenDue();
    const bool written = m_session->result.exec(
        {static_cast<int>(JournalResultOf(reply.failure)), reply.result,
         reply.retried ? QVariant(static_cast<int>(JournalResultOf(reply.retryFailure)))
                       : QVariant(),
         reply.retried ? QVariant(reply.retryResult) : QVariant(), QVariant::fromValue(entry)});
    if (!written) {
        qCWarning(lcStationDb) << "journal entry" << entry << "keeps its result unknown";
        dropSession();
    }
}

void WriteJournal::checkpointWhenDue() {
    if (++m_session->sinceCheckpoint < kCheckpointEvery) return;
    m_session->sinceCheckpoint = 0;
    m_session->checkpoint.exec();
    m_session->checkpoint.finish();
}

void WriteJournal::dropSession() { m_session.reset(); }

}  // namespace vt
