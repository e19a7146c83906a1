#pragma once

#include <QByteArray>
#include <optional>

#include "batch_store.h"
#include "chain_export.h"
#include "chain_hash_ahead.h"

namespace vt {

// Checks a batch's chain as its entries are read, hashing ahead on worker threads, and at the
// end that a closed batch ends its records with a seal over the head kept beside the batch.
// Given `exporting`, the workers also write the chain's export on the way.
class BatchChainCheck {
  public:
    BatchChainCheck(const BatchSummary& batch, bool exporting);
    void add(const StoredEntry& stored) { m_ahead.add(stored); }
    ChainCheck finish();
    // The export (empty unless asked for), once finished.
    QByteArray takeExport() { return m_export ? m_export->take() : QByteArray(); }

  private:
    void step(const StoredEntry& stored, QByteArrayView recomputed);

    const BatchSummary m_batch;
    ChainCheck m_check;
    ChainWalk m_walk;
    QString m_sealedHead;
    std::optional<ChainExportWriter> m_export;
    ChainHashAhead m_ahead;
};

// Walks a batch's chain in the records file and names the first entry that does not match.
ChainCheck VerifyBatch(const BatchStore& store, const BatchSummary& batch);

// The batch's whole chain in its self-contained export form (see ChainExportWriter): records,
// start, captures, header changes, notes, events, writes, the seal and the signatures.
QByteArray ExportBatchChain(const BatchStore& store, const BatchSummary& batch);

}  // namespace vt
