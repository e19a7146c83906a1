#pragma once

#include <QDateTime>
#include <functional>
#include <span>

#include "ring_record.h"

namespace vt {

// Where a history report reads its samples from: the ten-second ring, or a batch's archive.
class SeriesSource {
  public:
    using Sample = std::function<void(double seconds, std::span<const float> values)>;
    virtual ~SeriesSource() = default;
    // Every record within [from, to], oldest first: seconds after `from` and its eight values.
    virtual void read(const QDateTime& from, const QDateTime& to, const Sample& sample) = 0;
    // The first and last moment the source holds (invalid when it holds none).
    virtual std::pair<QDateTime, QDateTime> extent() = 0;
};

// A record ring as a series source: reads the whole ring once per call (65,500 records at most).
class RingSeriesSource : public SeriesSource {
  public:
    explicit RingSeriesSource(RingWindowSource& ring) : m_ring(ring) {}
    void read(const QDateTime& from, const QDateTime& to, const Sample& sample) override;
    std::pair<QDateTime, QDateTime> extent() override;

  private:
    std::vector<RingRecord> records();
    RingWindowSource& m_ring;
};

// The moment of a record's date (day serial) and time of day (fraction), local time.
QDateTime RecordMoment(double date, double time);
// A local moment as a day serial with the time of day as its fraction.
double MomentSerial(const QDateTime& moment);

}  // namespace vt
