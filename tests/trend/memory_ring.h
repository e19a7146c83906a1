#pragma once

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "ring_record.h"

namespace vt::test {

// A record ring held in memory, written like the logger writes it: ids 1..65500, then 1 again.
// Value j of the record with id i is i + j, so every row tells which record it came from.
class MemoryRing : public RingWindowSource {
  public:
    // Writes `count` records, one every `seconds`, the first at `start` (day serial + fraction).
    void write(int count, double start, int seconds = 1) {
        for (int k = 0; k < count; ++k) {
            m_newest = m_newest % kRingCapacity + 1;
            const double moment = start + k * seconds / 86400.0;
            RingRecord record{m_newest, std::floor(moment), moment - std::floor(moment), {}};
            for (int j = 0; j < 8; ++j) record.values[j] = static_cast<float>(m_newest + j);
            m_records[m_newest] = record;
        }
    }

    std::int32_t newestId() override { return m_newest; }

    std::vector<RingRecord> readWindow(std::int32_t endId, std::int32_t count) override {
        requests.emplace_back(endId, count);
        std::vector<RingRecord> found;
        auto take = [&](std::int32_t from, std::int32_t to) {
            for (std::int32_t id = std::max(from, 1); id <= std::min(to, kRingCapacity); ++id)
                if (m_records[id]) found.push_back(*m_records[id]);
        };
        if (endId >= count) {
            take(endId - count + 1, endId);
        } else {
            take(1, endId);
            take(kRingCapacity - (count - endId) + 1, kRingCapacity);
        }
        std::sort(found.begin(), found.end(), [](const RingRecord& a, const RingRecord& b) {
            return std::pair(a.date, a.time) < std::pair(b.date, b.time);
        });
        return found;
    }

    std::vector<std::pair<std::int32_t, std::int32_t>> requests;

  private:
    std::int32_t m_newest = 0;
    std::vector<std::optional<RingRecord>> m_records =
        std::vector<std::optional<RingRecord>>(kRingCapacity + 1);
};

// 12 March 2024, as a day serial.
inline constexpr double kSomeDay = 45363.0;

}  // namespace vt::test
