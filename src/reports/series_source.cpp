#include "series_source.h"

#include <algorithm>
#include <cmath>

#include "day_serial.h"

namespace vt {

QDateTime RecordMoment(double date, double time) {
    const QDate day = QDate::fromJulianDay(kJulianDayOfSerialZero + qint64(std::floor(date)));
    return QDateTime(day, QTime(0, 0)).addMSecs(std::llround(time * 86400.0) * 1000);
}

double MomentSerial(const QDateTime& moment) {
    const double day = double(moment.date().toJulianDay() - kJulianDayOfSerialZero);
    return day + moment.time().msecsSinceStartOfDay() / 86400000.0;
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
    // Compared as day serials: a date-time object per record costs a time-zone lookup each.
    const double first = MomentSerial(from);
    const double last = MomentSerial(to);
    const double slack = 0.5 / 86400.0;  // times are kept to the second
    for (const RingRecord& r : records()) {
        const double at = r.date + r.time;
        if (at >= first - slack && at <= last + slack)
            sample(std::max(0.0, (at - first) * 86400.0), r.values);
    }
}

std::pair<QDateTime, QDateTime> RingSeriesSource::extent() {
    const std::vector<RingRecord> all = records();
    if (all.empty()) return {};
    return {RecordMoment(all.front().date, all.front().time),
            RecordMoment(all.back().date, all.back().time)};
}

}  // namespace vt
