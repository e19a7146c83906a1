#include "batch_closer.h"

#include <tuple>

#include "batch_reading.h"
#include "records_file.h"

namespace vt {

namespace {

ClosingResult Unread(ClosingResult result, const QString& problem) {
    result.read = false;
    result.problem = problem;
    return result;
}

}  // namespace

ClosingResult ReadEndedBatch(const BatchStore& store, std::int64_t batchId,
                             const std::atomic<bool>& stop) {
    ClosingResult r;
    r.batchId = batchId;
    const std::optional<BatchSummary> batch = store.batch(batchId);
    if (!batch) return Unread(r, QStringLiteral("批次 %1 无法读取").arg(batchId));
    r.batch = *batch;
    BatchReading reading = ReadBatchThrough(store, r.batch);
    if (stop) return Unread(r, QStringLiteral("已中止"));
    r.check = std::move(reading.check);
    r.evaluation = std::move(reading.evaluation);
    std::tie(r.endSeq, r.endHash) = store.chainEnd(batchId);
    const std::int64_t records = store.recordCount(batchId);
    const auto others = static_cast<std::int64_t>(store.entries(batchId).size());
    // A walk that ended early (a read error) would look like missing entries.
    if (r.endSeq == 0 || r.check.entries != records + others ||
        r.evaluation.overall.samples != records)
        return Unread(r, QStringLiteral("记录文件读取不完整"));
    r.read = true;
    return r;
}

BatchCloser::BatchCloser(QString recordsPath, QObject* parent)
    : QObject(parent), m_task(std::move(recordsPath)) {}

BatchCloser::~BatchCloser() = default;

bool BatchCloser::start(std::int64_t batchId) {
    if (busy()) return false;
    m_task.run<ClosingResult>(
        [batchId](const BatchStore& store, const std::atomic<bool>& stop) {
            return ReadEndedBatch(store, batchId, stop);
        },
        [this](const ClosingResult& result) { emit finished(result); },
        [this, batchId](const QString& problem) {
            ClosingResult result;
            result.batchId = batchId;
            emit finished(Unread(result, problem));
        });
    return true;
}

}  // namespace vt
