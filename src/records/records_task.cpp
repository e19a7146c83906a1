#include "records_task.h"

#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QThread>
#include <algorithm>
#include <mutex>

#include "batch_store.h"
#include "records_file.h"
#include "sqlite_statement.h"

namespace vt {

namespace {

// The reads' nice value: on a busy machine the UI thread gets the processor first.
constexpr int kReadNice = 10;
// How often a stopped read is interrupted again until its thread ends: an interruption only
// reaches the statements running when it comes.
constexpr unsigned long kInterruptRepeatMs = 20;

}  // namespace

struct RecordsTask::Job {
    QThread* thread = nullptr;
    std::atomic<bool> stop{false};
    std::mutex mutex;
    sqlite3* connection = nullptr;  // the worker's handle while it reads
    bool read = false;              // written by the worker, looked at once it has ended
    QString problem;
    std::function<void()> deliver;
    Failed failed;

    void run(const QString& path, const Body& body);
    void interrupt();
    void end();
};

void RecordsTask::Job::run(const QString& path, const Body& body) {
    // Linux keeps a nice value per thread.
    setpriority(PRIO_PROCESS, static_cast<id_t>(::syscall(SYS_gettid)), kReadNice);
    RecordsFile file(path, RecordsFile::Mode::Reader);
    if (!file.open()) {
        problem = file.problem();
        return;
    }
    {
        std::lock_guard lock(mutex);
        if (stop) return;
        connection = SqliteHandle(file.database());
    }
    {
        const BatchStore store(file.database());
        body(store, stop);
    }
    std::lock_guard lock(mutex);
    connection = nullptr;
    read = true;
}

void RecordsTask::Job::interrupt() {
    std::lock_guard lock(mutex);
    stop = true;
    if (connection) sqlite3_interrupt(connection);
}

void RecordsTask::Job::end() {
    interrupt();
    while (!thread->wait(kInterruptRepeatMs)) interrupt();
    delete thread;
    thread = nullptr;
}

RecordsTask::RecordsTask(QString path, QObject* parent)
    : QObject(parent), m_path(std::move(path)) {}

RecordsTask::~RecordsTask() {
    for (const std::unique_ptr<Job>& job : m_jobs) job->end();
}

void RecordsTask::cancel() {
    if (m_current) m_current->interrupt();
    m_current = nullptr;
}

void RecordsTask::start(Body read, std::function<void()> deliver, Failed failed) {
    cancel();
    auto job = std::make_unique<Job>();
    Job* raw = job.get();
    raw->deliver = std::move(deliver);
    raw->failed = std::move(failed);
    raw->thread =
        QThread::create([raw, path = m_path, read = std::move(read)] { raw->run(path, read); });
    connect(raw->thread, &QThread::finished, this, [this, raw] { finish(raw); });
    m_jobs.push_back(std::move(job));
    m_current = raw;
    raw->thread->start();
}

void RecordsTask::finish(Job* job) {
    const auto it = std::find_if(m_jobs.begin(), m_jobs.end(),
                                 [job](const std::unique_ptr<Job>& j) { return j.get() == job; });
    if (it == m_jobs.end()) return;
    std::unique_ptr<Job> ended = std::move(*it);
    m_jobs.erase(it);
    ended->end();
    if (ended.get() != m_current) return;
    m_current = nullptr;
    if (ended->read)
        ended->deliver();
    else if (ended->failed)
        ended->failed(ended->problem);
    emit delivered();
}

}  // namespace vt
