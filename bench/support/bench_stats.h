#pragma once

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <functional>
#include <vector>

namespace vt::bench {

// The q-quantile (0..1) of a set of samples, nearest rank; 0 for no samples.
inline double Quantile(std::vector<double> samples, double q) {
    if (samples.empty()) return 0.0;
    std::sort(samples.begin(), samples.end());
    const auto rank = static_cast<std::size_t>(q * static_cast<double>(samples.size() - 1) + 0.5);
    return samples[std::min(rank, samples.size() - 1)];
}

// Milliseconds each of `runs` calls of `work` took, after `warmups` calls that are not timed.
inline std::vector<double> TimedRuns(const std::function<void()>& work, int warmups, int runs) {
    for (int i = 0; i < warmups; ++i) work();
    std::vector<double> ms;
    ms.reserve(static_cast<std::size_t>(runs));
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    return ms;
}

}  // namespace vt::bench
