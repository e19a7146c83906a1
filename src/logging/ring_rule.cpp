#include "ring_rule.h"

#include "ring_record.h"

namespace vt {

std::int32_t NextRingId(std::int32_t newestId) {
    if (newestId >= kRingCapacity || newestId < 0) return 1;
    return newestId + 1;
}

RingWindowIds WindowIds(std::int32_t endId, std::int32_t count) {
    if (endId >= count) return {false, endId - count + 1, endId};
    return {true, endId + 1, kRingCapacity - (count - endId)};
}

}  // namespace vt
