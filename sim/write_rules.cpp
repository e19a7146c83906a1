#include "write_rules.h"

#include "register_numbers.h"

namespace vt::sim {

namespace {

bool Within(int v, int lo, int hi) { return v >= lo && v <= hi; }

constexpr int kLastInputType = 31;
constexpr int kMaxDecimals = 4;
constexpr int kMaxOutputTenths = 1000;

}  // namespace

bool WriteAccepted(int reg, std::int16_t value) {
    switch (reg) {
        case reg::kOutput:
            return Within(value, 0, kMaxOutputTenths);
        case reg::kJumpSegment:
            return Within(value, 0, reg::kSegmentMax);
        case reg::kCurveNumber:
            return Within(value, 0, reg::kCurveCount - 1);
        case reg::kProgramFunction:
            return value == 0 || value == 1 || value == 2 || value == 4 || value == 8 ||
                   value == 16;
        case reg::kTempUnit:
            return Within(value, 0, 2);
        case reg::kInput1Type:
        case reg::kInput2Type:
            return Within(value, 0, kLastInputType);
        case reg::kInput1Decimals:
        case reg::kInput2Decimals:
            return Within(value, 0, kMaxDecimals);
        default:
            return true;
    }
}

}  // namespace vt::sim
