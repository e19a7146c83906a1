#pragma once

#include <QByteArray>

#include "batch_store.h"
#include "chain_export.h"

namespace vt {

// Walks a batch's chain in the records file and names the first entry that does not match.
// A closed batch must also end its records with a seal over the head kept beside the batch.
ChainCheck VerifyBatch(const BatchStore& store, const BatchSummary& batch);

// The batch's whole chain in its self-contained export form (see ChainExportWriter): records,
// start, captures, header changes, notes, events, writes, the seal and the signatures.
QByteArray ExportBatchChain(const BatchStore& store, const BatchSummary& batch);

}  // namespace vt
