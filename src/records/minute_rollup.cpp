#include "minute_rollup.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "batch_record.h"

namespace vt {

namespace {

constexpr std::int64_t kMinuteMs = 60000;
constexpr std::int64_t kSecondMs = 1000;

std::int64_t MinuteOf(std::int64_t ms) {
    return ms >= 0 ? ms / kMinuteMs : (ms - kMinuteMs + 1) / kMinuteMs;
}

bool LastSecondOfMinute(std::int64_t ms) {
    return ms - MinuteOf(ms) * kMinuteMs >= kMinuteMs - kSecondMs;
}

}  // namespace

float Lower(float a, float b) { return std::isnan(a) || b < a ? b : a; }

float Higher(float a, float b) { return std::isnan(a) || b > a ? b : a; }

MinuteSpan MinuteSpan::Of(const BatchRecord& r) {
    MinuteSpan s;
    s.firstSeq = s.lastSeq = r.seq;
    s.firstMs = s.lastMs = r.timeMs;
    s.low = s.high = r.values;
    return s;
}

void MinuteSpan::add(const BatchRecord& r) {
    lastSeq = r.seq;
    firstMs = std::min(firstMs, r.timeMs);
    lastMs = std::max(lastMs, r.timeMs);
    for (std::size_t k = 0; k < r.values.size(); ++k) {
        low[k] = Lower(low[k], r.values[k]);
        high[k] = Higher(high[k], r.values[k]);
    }
}

void MinuteRollup::add(const BatchRecord& r, std::vector<MinuteSpan>& done) {
    const std::int64_t minute = MinuteOf(r.timeMs);
    if (m_open && minute != m_minute) done.push_back(*take());
    if (m_open) {
        m_open->add(r);
    } else {
        m_open = MinuteSpan::Of(r);
        m_minute = minute;
    }
    if (LastSecondOfMinute(r.timeMs)) done.push_back(*take());
}

std::optional<MinuteSpan> MinuteRollup::take() { return std::exchange(m_open, std::nullopt); }

}  // namespace vt
