#include "batch_closer.h"

#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QSqlDriver>
#include <QThread>
#include <tuple>

#include "batch_reading.h"
#include "records_file.h"

namespace vt {

namespace {

// The walk's nice value: on a busy machine the UI thread gets the processor first.
constexpr int kWalkNice = 10;

sqlite3* SqliteHandle(const QSqlDatabase& db) {
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0) return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

ClosingResult Unread(ClosingResult result, const QString& problem) {
    result.read = false;
    result.problem = problem;
    return result;
}

}  // namespace

ClosingResult ReadEndedBatch(const BatchStore& store, std::int64_t batchId,
                             const std::atomic<bool>& stop) {
    ClosingResult r;
    r.batchId = batchId;
    const std::optional<BatchSummary> batch = store.batch(batchId);
    if (!batch) return Unread(r, QStringLiteral("批次 %1 无法读取").arg(batchId));
    r.batch = *batch;
    BatchReading reading = ReadBatchThrough(store, r.batch);
    if (stop) return Unread(r, QStringLiteral("已中止"));
    r.check = std::move(reading.check);
    r.evaluation = std::move(reading.evaluation);
    std::tie(r.endSeq, r.endHash) = store.chainEnd(batchId);
    const std::int64_t records = store.recordCount(batchId);
    const auto others = static_cast<std::int64_t>(store.entries(batchId).size());
    // A walk that ended early (a read error) would look like missing entries.
    if (r.endSeq == 0 || r.check.entries != records + others ||
        r.evaluation.overall.samples != records)
        return Unread(r, QStringLiteral("记录文件读取不完整"));
    r.read = true;
    return r;
}

BatchCloser::BatchCloser(QString recordsPath, QObject* parent)
    : QObject(parent), m_path(std::move(recordsPath)) {}

BatchCloser::~BatchCloser() {
    if (!m_thread) return;
    interrupt();
    m_thread->wait();
    delete m_thread;
}

bool BatchCloser::start(std::int64_t batchId) {
    if (m_thread) return false;
    m_stop = false;
    m_thread = QThread::create([this, batchId] { run(batchId); });
    connect(m_thread, &QThread::finished, this, &BatchCloser::collect);
    m_thread->start();
    return true;
}

void BatchCloser::run(std::int64_t batchId) {
    // Linux keeps a nice value per thread.
    setpriority(PRIO_PROCESS, static_cast<id_t>(::syscall(SYS_gettid)), kWalkNice);
    ClosingResult result;
    result.batchId = batchId;
    RecordsFile file(m_path, RecordsFile::Mode::Reader);
    if (!file.open()) {
        m_result = Unread(result, file.problem());
        return;
    }
    {
        std::lock_guard lock(m_connectionMutex);
        if (m_stop) {  // stopped before the walk began
            m_result = Unread(result, QStringLiteral("已中止"));
            return;
        }
        m_connection = SqliteHandle(file.database());
    }
    {
        const BatchStore store(file.database());
        result = ReadEndedBatch(store, batchId, m_stop);
    }
    std::lock_guard lock(m_connectionMutex);
    m_connection = nullptr;
    m_result = std::move(result);
}

void BatchCloser::interrupt() {
    std::lock_guard lock(m_connectionMutex);
    m_stop = true;
    if (m_connection) sqlite3_interrupt(static_cast<sqlite3*>(m_connection));
}

void BatchCloser::collect() {
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    const ClosingResult result = std::move(m_result);
    m_result = {};
    emit finished(result);
}

}  // namespace vt
