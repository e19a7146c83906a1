#include "batch_series_source.h"

namespace vt {

namespace {

constexpr int kPage = 8192;

}  // namespace

BatchSeriesSource::BatchSeriesSource(const BatchStore& store, std::int64_t batch)
    : m_store(store), m_batch(batch) {}

void BatchSeriesSource::read(const QDateTime& from, const QDateTime& to, const Sample& sample) {
    const std::int64_t first = from.toMSecsSinceEpoch();
    const std::int64_t last = to.toMSecsSinceEpoch();
    // Every record is looked at: a clock set back during the batch leaves times out of order.
    std::int64_t afterSeq = 0;
    for (int count = kPage; count == kPage;) {
        count = 0;
        m_store.records(m_batch, afterSeq, kPage, [&](const BatchRecord& r) {
            ++count;
            afterSeq = r.seq;
            if (r.timeMs >= first && r.timeMs <= last)
                sample((r.timeMs - first) / 1000.0, r.values);
        });
    }
}

std::pair<QDateTime, QDateTime> BatchSeriesSource::extent() {
    const auto batch = m_store.batch(m_batch);
    if (!batch) return {};
    const QDateTime start = QDateTime::fromMSecsSinceEpoch(batch->startedMs);
    return {start, batch->isOpen() ? std::max(start, QDateTime::currentDateTime())
                                   : QDateTime::fromMSecsSinceEpoch(batch->endedMs)};
}

}  // namespace vt
