#include "batch_chain.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace vt {

BatchChainCheck::BatchChainCheck(const BatchSummary& batch, bool exporting)
    : m_batch(batch),
      m_export(exporting ? std::optional<ChainExportWriter>(batch.number()) : std::nullopt),
      m_ahead([this](const StoredEntry& stored,
                     QByteArrayView recomputed) { step(stored, recomputed); },
              m_export ? &*m_export : nullptr) {
    m_check.batchNumber = batch.number();
}

void BatchChainCheck::step(const StoredEntry& stored, QByteArrayView recomputed) {
    StepCheck(m_walk, m_check, stored, recomputed);
    if (stored.entry.kind == EntryKind::Seal)
        m_sealedHead = QJsonDocument::fromJson(stored.entry.payload)
                           .object()
                           .value(QStringLiteral("head"))
                           .toString();
}

ChainCheck BatchChainCheck::finish() {
    m_ahead.finish();
    FinishCheck(m_walk, m_check);
    if (m_check.holds && !m_batch.isOpen() && m_sealedHead != m_batch.seal) {
        m_check.holds = false;
        m_check.firstBad = m_walk.entries();
        m_check.problem = QStringLiteral("封存值缺失或不符");
    }
    return m_check;
}

ChainCheck VerifyBatch(const BatchStore& store, const BatchSummary& batch) {
    BatchChainCheck check(batch, false);
    store.walk(batch.id, [&](const StoredEntry& stored) { check.add(stored); });
    return check.finish();
}

QByteArray ExportBatchChain(const BatchStore& store, const BatchSummary& batch) {
    ChainExportWriter writer(batch.number());
    store.walk(batch.id, [&](const StoredEntry& stored) { writer.add(stored); });
    return writer.bytes();
}

}  // namespace vt
