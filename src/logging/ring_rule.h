#pragma once

#include <cstdint>

namespace vt {

// Id of the record that follows the newest id N of a ring: N + 1, except that after the last id
// (or any value outside the ring) the ring starts again at 1.
std::int32_t NextRingId(std::int32_t newestId);

// The ids of a reading window of `count` records ending at id `endId`. A window that fits
// below endId covers first..last; one that wraps past the last id covers every id outside the
// gap first..last (ids 1..endId and the last count - endId ids of the ring).
struct RingWindowIds {
    bool wraps = false;
    std::int32_t first = 0;  // smaller bound, always first
    std::int32_t last = 0;
};

RingWindowIds WindowIds(std::int32_t endId, std::int32_t count);

}  // namespace vt
