#pragma once

#include <QElapsedTimer>
#include <functional>

namespace vt::bench {

// Gaps between turns of a 1 ms timer on the UI thread.
struct Stalls {
    double longest = 0.0;
    double longestAtMs = 0.0;  // when it ended, from the probe's start
    int over5Ms = 0;
    double last = 0.0;      // the gap in which `done` came true
    double doneAtMs = 0.0;  // when `done` came true, from the probe's start
};

// The UI thread's stalls from just before `begin` runs on it until `done` holds (asked once
// `begin` has run).
Stalls MeasureStalls(const std::function<void()>& begin, const std::function<bool()>& done);

double Ms(const QElapsedTimer& t);

}  // namespace vt::bench
