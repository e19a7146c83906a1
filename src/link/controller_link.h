#pragma once

#include <QObject>
#include <QPointer>
#include <QThread>
#include <cstdint>
#include <functional>
#include <memory>
#include <unordered_map>

#include "link_job.h"
#include "port_directory.h"

namespace vt {

class LinkWorker;
class WriteRecorder;

// The station's one path to the controller. Jobs are handed to a worker on a thread of its
// own and run there strictly one at a time; replies come back by queued signals. Nothing here
// ever waits for the link. Use from the thread that created the object.
class ControllerLink : public QObject {
    Q_OBJECT
  public:
    explicit ControllerLink(PortDirectory ports, QObject* parent = nullptr);
    // Finishes the job in flight, drops the rest, closes the port and joins the thread.
    ~ControllerLink() override;

    // Queues a job and returns at once; onReply (may be empty) runs on `context`'s thread once
    // the job is done (never if `context` was destroyed; a null context means this object).
    // Operator jobs go ahead of queued reads.
    void submit(const LinkJob& job, QObject* context,
                std::function<void(const LinkReply&)> onReply = {});

    // Hands `recorder` to the link thread, where every job submitted from now on is reported to
    // it before and after it runs; the recorder is used and destroyed on the link thread only.
    void setWriteRecorder(std::unique_ptr<WriteRecorder> recorder);

    // Jobs queued or in flight, as seen from this thread.
    int pendingJobs() const { return static_cast<int>(m_waiting.size()); }

  signals:
    // Every job, for diagnostics and counters; emitted just before the job's own onReply.
    void jobFinished(const vt::LinkReply& reply);

  private:
    struct Waiting {
        QPointer<QObject> context;
        std::function<void(const LinkReply&)> onReply;
    };

    void deliver(std::uint64_t ticket, const vt::LinkReply& reply);

    QThread m_thread;
    LinkWorker* m_worker = nullptr;
    std::uint64_t m_nextTicket = 1;
    std::unordered_map<std::uint64_t, Waiting> m_waiting;
};

}  // namespace vt
