#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <cstdint>

#include "batch_chain.h"
#include "batch_evaluation.h"
#include "records_task.h"

namespace vt {

// What the walk over an ended batch found: its chain check, its evaluation and the chain's
// last entry (the end entry), over which the seal goes.
struct ClosingResult {
    std::int64_t batchId = 0;
    // False when the file could not be read through (the problem says why): nothing is
    // judged from a partial read, the batch waits for another try.
    bool read = false;
    QString problem;
    BatchSummary batch;  // as stored: ended, not yet sealed
    ChainCheck check;
    BatchEvaluation evaluation;
    std::int64_t endSeq = 0;
    QByteArray endHash;
};

// Reads an ended batch through on `store`: verification, evaluation, the chain's end, and a
// cross-check that every stored entry was walked (a read that broke off is not a changed
// chain). `stop` cuts it short.
ClosingResult ReadEndedBatch(const BatchStore& store, std::int64_t batchId,
                             const std::atomic<bool>& stop);

// Verifies and evaluates one ended batch at a time through a `RecordsTask` (a worker with its own
// read connection to the records file), so that the end of a long batch never stalls the
// station. finished() comes on the closer's own thread. Destroying the closer cuts a run short
// and drops its result.
class BatchCloser : public QObject {
    Q_OBJECT
  public:
    explicit BatchCloser(QString recordsPath, QObject* parent = nullptr);
    ~BatchCloser() override;

    bool busy() const { return m_task.busy(); }
    // Starts reading batch `batchId`; false while a run is under way.
    bool start(std::int64_t batchId);

  signals:
    void finished(const vt::ClosingResult& result);

  private:
    RecordsTask m_task;
};

}  // namespace vt
