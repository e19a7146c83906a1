#include "controller_link.h"

#include "link_worker.h"
#include "write_recorder.h"

namespace vt {

ControllerLink::ControllerLink(PortDirectory ports, QObject* parent)
    : QObject(parent), m_worker(new LinkWorker(std::move(ports))) {
    qRegisterMetaType<vt::LinkReply>();
    m_thread.setObjectName(QStringLiteral("controller link"));
    m_worker->moveToThread(&m_thread);
    connect(m_worker, &LinkWorker::jobDone, this, &ControllerLink::deliver, Qt::QueuedConnection);
    m_thread.start();
}

ControllerLink::~ControllerLink() {
    m_worker->requestStop();
    QMetaObject::invokeMethod(m_worker, &LinkWorker::shutdown, Qt::QueuedConnection);
    m_thread.wait();
    delete m_worker;
}

void ControllerLink::submit(const LinkJob& job, QObject* context,
                            std::function<void(const LinkReply&)> onReply) {
    const std::uint64_t ticket = m_nextTicket++;
    m_waiting.emplace(ticket, Waiting{context != nullptr ? context : this, std::move(onReply)});
    LinkWorker* worker = m_worker;
    QMetaObject::invokeMethod(
        worker, [worker, entry = QueuedJob{job, ticket}] { worker->enqueue(entry); },
        Qt::QueuedConnection);
}

void ControllerLink::setWriteRecorder(std::unique_ptr<WriteRecorder> recorder) {
    LinkWorker* worker = m_worker;
    QMetaObject::invokeMethod(
        worker,
        [worker, shared = std::shared_ptr<WriteRecorder>(std::move(recorder))] {
            worker->setRecorder(shared);
        },
        Qt::QueuedConnection);
}

void ControllerLink::deliver(std::uint64_t ticket, const LinkReply& reply) {
    const auto it = m_waiting.find(ticket);
    if (it == m_waiting.end()) return;
    const Waiting waiting = std::move(it->second);
    m_waiting.erase(it);
    emit jobFinished(reply);
    if (waiting.onReply && waiting.context) {
        // Runs at once when the context lives on this thread, else is posted to its thread
        // (and dropped there if the context goes first).
        QMetaObject::invokeMethod(
            waiting.context.data(), [onReply = waiting.onReply, reply] { onReply(reply); },
            Qt::AutoConnection);
    }
}

}  // namespace vt
