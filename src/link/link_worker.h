#pragma once

#include <QObject>
#include <QTimer>
#include <atomic>
#include <cstdint>
#include <memory>

#include "job_queue.h"
#include "link_job.h"
#include "port_directory.h"
#include "port_keeper.h"

namespace vt {

class ModbusMaster;
class WriteRecorder;

// The link thread's side of the controller link. Every member but requestStop() runs on the
// link thread, reached by queued calls; the Modbus master is created, used and freed here.
// Jobs run one at a time: each enqueue only files the job, and a separately queued step runs
// the next one, so jobs that arrived meanwhile (an operator's write during a poll) are sorted
// in before the choice is made. The port keeper reopens a lost port between jobs.
class LinkWorker : public QObject {
    Q_OBJECT
  public:
    explicit LinkWorker(PortDirectory ports);
    ~LinkWorker() override;

    void enqueue(const vt::QueuedJob& entry);

    // From now on every job is reported to `recorder` before and after it runs (none: no one).
    void setRecorder(std::shared_ptr<WriteRecorder> recorder);

    // From any thread: let the job in flight finish and drop the rest.
    void requestStop() { m_stopping.store(true); }

    // Drops every waiting job, closes every port, frees the master and ends the thread's loop.
    void shutdown();

  signals:
    void jobDone(std::uint64_t ticket, const vt::LinkReply& reply);

  private:
    void scheduleNext();
    void runNext();
    ModbusMaster& master();
    void armReopen();
    void reopenPort();

    PortDirectory m_ports;
    std::unique_ptr<ModbusMaster> m_master;
    std::shared_ptr<WriteRecorder> m_recorder;
    PortKeeper m_keeper;
    QTimer m_reopenTimer;
    JobQueue m_queue;
    bool m_scheduled = false;
    std::atomic<bool> m_stopping{false};
};

}  // namespace vt
