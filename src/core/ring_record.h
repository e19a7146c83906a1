#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace vt {

// Capacity of each record ring: ids run 1..65500, then start again at 1.
inline constexpr std::int32_t kRingCapacity = 65500;

// The two record rings: one record per second, and one per ten seconds.
enum class Ring { Second, TenSecond };

// One logged record: ring slot, date (day serial), time of day (fraction) and the first eight
// live values at the time of writing.
struct RingRecord {
    std::int32_t id = 0;
    double date = 0.0;
    double time = 0.0;
    std::array<float, 8> values{};
};

// Where a trend window reads its records from.
class RingWindowSource {
  public:
    virtual ~RingWindowSource() = default;
    // Id of the newest record of the ring (0 when nothing is written yet).
    virtual std::int32_t newestId() = 0;
    // The `count` records ending at id `endId`, across the wrap after the last id, oldest
    // (by date and time) first. Missing records are simply absent; errors give fewer records.
    virtual std::vector<RingRecord> readWindow(std::int32_t endId, std::int32_t count) = 0;
};

}  // namespace vt
