#include "link_worker.h"

#include <QThread>
#include <algorithm>

#include "modbus_master.h"
#include "write_recorder.h"

namespace vt {

LinkWorker::LinkWorker(PortDirectory ports)
    : m_ports(std::move(ports)), m_keeper(m_ports), m_reopenTimer(this) {
    m_reopenTimer.setSingleShot(true);
    connect(&m_reopenTimer, &QTimer::timeout, this, &LinkWorker::reopenPort);
}

LinkWorker::~LinkWorker() = default;

void LinkWorker::enqueue(const QueuedJob& entry) {
    if (m_stopping.load()) return;
    m_queue.push(entry);
    scheduleNext();
}

void LinkWorker::setRecorder(std::shared_ptr<WriteRecorder> recorder) {
    m_recorder = std::move(recorder);
}

void LinkWorker::shutdown() {
    m_reopenTimer.stop();
    m_queue.clear();
    m_master.reset();
    m_recorder.reset();
    QThread::currentThread()->quit();
}

void LinkWorker::scheduleNext() {
    if (m_scheduled || m_queue.empty()) return;
    m_scheduled = true;
    QMetaObject::invokeMethod(this, &LinkWorker::runNext, Qt::QueuedConnection);
}

void LinkWorker::runNext() {
    m_scheduled = false;
    if (m_stopping.load()) return;
    const std::optional<QueuedJob> next = m_queue.takeNext();
    if (!next) return;
    const std::int64_t record = m_recorder ? m_recorder->sending(next->job) : 0;
    const auto started = JobQueue::Clock::now();
    const LinkReply reply = m_keeper.run(master(), next->job);
    m_queue.noteRun(next->job, JobQueue::Clock::now() - started);
    if (m_recorder) m_recorder->finished(record, reply);
    emit jobDone(next->ticket, reply);
    armReopen();
    scheduleNext();
}

ModbusMaster& LinkWorker::master() {
    if (!m_master) m_master = std::make_unique<ModbusMaster>(m_ports);
    return *m_master;
}

void LinkWorker::armReopen() {
    const auto due = m_keeper.reopenDue();
    if (!due) {
        m_reopenTimer.stop();
        return;
    }
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*due - PortKeeper::Clock::now());
    m_reopenTimer.start(std::max<std::chrono::milliseconds>(wait, std::chrono::milliseconds{0}));
}

void LinkWorker::reopenPort() {
    if (m_stopping.load()) return;
    m_keeper.reopen(master());
    armReopen();
}

}  // namespace vt
