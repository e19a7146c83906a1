#pragma once

#include "batch_store.h"
#include "series_source.h"

namespace vt {

// One batch's archive as a history report's source: its one-second records in the order they
// were taken (a clock set back leaves their times out of order), those of a range only. It holds
// what the batch spans: from its start to its end (to now while it is open).
class BatchSeriesSource : public SeriesSource {
  public:
    BatchSeriesSource(const BatchStore& store, std::int64_t batch);
    // Reads only the records of the minute spans that reach into the range and those after the
    // last span (the minute under way); a file without spans is read through.
    void read(const QDateTime& from, const QDateTime& to, const Sample& sample) override;
    std::pair<QDateTime, QDateTime> extent() override;

  private:
    const BatchStore& m_store;
    std::int64_t m_batch;
};

}  // namespace vt
