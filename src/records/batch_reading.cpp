#include "batch_reading.h"

#include "batch_chain.h"

namespace vt {

BatchReading ReadBatchThrough(const BatchStore& store, const BatchSummary& batch, bool withExport) {
    BatchChainCheck check(batch, withExport);
    StoredBatchEvaluation evaluation(batch, store.entries(batch.id));
    store.walk(
        batch.id, [&](const StoredEntry& stored) { check.add(stored); },
        [&](const BatchRecord& record) { evaluation.add(record); });
    BatchReading reading;
    reading.check = check.finish();
    reading.evaluation = evaluation.finish(reading.check.holds);
    reading.chainExport = check.takeExport();
    return reading;
}

}  // namespace vt
