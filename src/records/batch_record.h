#pragma once

#include <array>
#include <cstdint>

namespace vt {

// One one-second record of a batch.
struct BatchRecord {
    std::int64_t seq = 0;
    std::int64_t timeMs = 0;
    double date = 0.0;
    double time = 0.0;
    std::array<float, 8> values{};
};

}  // namespace vt
