#include "batch_chain.h"

#include <QJsonDocument>
#include <QJsonObject>

#include "chain_hash_ahead.h"

namespace vt {

ChainCheck VerifyBatch(const BatchStore& store, const BatchSummary& batch) {
    ChainCheck check;
    check.batchNumber = batch.number();
    ChainWalk walk;
    QString sealedHead;
    ChainHashAhead ahead([&](const StoredEntry& stored, QByteArrayView recomputed) {
        StepCheck(walk, check, stored, recomputed);
        if (stored.entry.kind == EntryKind::Seal)
            sealedHead = QJsonDocument::fromJson(stored.entry.payload)
                             .object()
                             .value(QStringLiteral("head"))
                             .toString();
    });
    store.walk(batch.id, [&](const StoredEntry& stored) { ahead.add(stored); });
    ahead.finish();
    FinishCheck(walk, check);
    if (check.holds && !batch.isOpen() && sealedHead != batch.seal) {
        check.holds = false;
        check.firstBad = walk.entries();
        check.problem = QStringLiteral("封存值缺失或不符");
    }
    return check;
}

QByteArray ExportBatchChain(const BatchStore& store, const BatchSummary& batch) {
    ChainExportWriter writer(batch.number());
    store.walk(batch.id, [&](const StoredEntry& stored) { writer.add(stored); });
    return writer.bytes();
}

}  // namespace vt
