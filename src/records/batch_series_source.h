#pragma once

#include "batch_store.h"
#include "series_source.h"

namespace vt {

// One batch's archive as a history report's source: its one-second records by the time they
// were taken, read page by page through the store. It holds what the batch spans: from its
// start to its end (to now while it is open).
class BatchSeriesSource : public SeriesSource {
  public:
    BatchSeriesSource(const BatchStore& store, std::int64_t batch);
    void read(const QDateTime& from, const QDateTime& to, const Sample& sample) override;
    std::pair<QDateTime, QDateTime> extent() override;

  private:
    const BatchStore& m_store;
    std::int64_t m_batch;
};

}  // namespace vt
