#include "series_source.h"

#include <algorithm>
#include <cmath>

#include "day_serial.h"

namespace vt {

QDateTime RecordMoment(double date, double time) {
    const QDate day = QDate::fromJulianDay(kJulianDayOfSerialZero + qint64(std::floor(date)));
    return QDateTime(day, QTime(0, 0)).addMSecs(std::llround(time * 86400.0) * 1000);
}

std::vector<RingRecord> RingSeriesSource::records() {
    std::vector<RingRecord> all = m_ring.readWindow(m_ring.newestId(), kRingCapacity);
    std::erase_if(all, [](const RingRecord& r) { return r.date <= 0.0; });
    std::stable_sort(all.begin(), all.end(), [](const RingRecord& a, const RingRecord& b) {
        return a.date + a.time < b.date + b.time;
    });
    return all;
}

void RingSeriesSource::read(const QDateTime& from, const QDateTime& to, const Sample& sample) {
    for (const RingRecord& r : records()) {
        const QDateTime moment = RecordMoment(r.date, r.time);
        if (moment >= from && moment <= to) sample(moment, r.values);
    }
}

std::pair<QDateTime, QDateTime> RingSeriesSource::extent() {
    const std::vector<RingRecord> all = records();
    if (all.empty()) return {};
    return {RecordMoment(all.front().date, all.front().time),
            RecordMoment(all.back().date, all.back().time)};
}

}  // namespace vt
