#include "link_worker.h"

#include <QThread>

#include "job_runner.h"
#include "modbus_master.h"

namespace vt {

LinkWorker::LinkWorker(PortDirectory ports) : m_ports(std::move(ports)) {}

LinkWorker::~LinkWorker() = default;

void LinkWorker::enqueue(const QueuedJob& entry) {
    if (m_stopping.load()) return;
    m_queue.push(entry);
    scheduleNext();
}

void LinkWorker::shutdown() {
    m_queue.clear();
    m_master.reset();
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
    if (!m_master) m_master = std::make_unique<ModbusMaster>(m_ports);
    const LinkReply reply = RunJob(*m_master, next->job);
    emit jobDone(next->ticket, reply);
    scheduleNext();
}

}  // namespace vt
