#pragma once

#include <QByteArray>

#include "batch_evaluation.h"
#include "batch_store.h"
#include "chain_export.h"

namespace vt {

// What one walk over a batch's chain finds: whether the chain holds, the evaluation of its
// records and, when asked for, the chain's export.
struct BatchReading {
    ChainCheck check;
    BatchEvaluation evaluation;
    QByteArray chainExport;
};

// Verifies, evaluates and (given `withExport`) exports a batch in one read of its chain: the
// records are read once, the hashes and export lines made on worker threads meanwhile.
BatchReading ReadBatchThrough(const BatchStore& store, const BatchSummary& batch,
                              bool withExport = false);

}  // namespace vt
