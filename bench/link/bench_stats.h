#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace vt::bench {

// The q-quantile (0..1) of a set of samples, nearest rank; 0 for no samples.
inline double Quantile(std::vector<double> samples, double q) {
    if (samples.empty()) return 0.0;
    std::sort(samples.begin(), samples.end());
    const auto rank = static_cast<std::size_t>(q * static_cast<double>(samples.size() - 1) + 0.5);
    return samples[std::min(rank, samples.size() - 1)];
}

}  // namespace vt::bench
