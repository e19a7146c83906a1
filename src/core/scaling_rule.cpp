#include "scaling_rule.h"

#include <cstdio>

#include "number_text.h"

namespace vt {

namespace {

constexpr std::int32_t kFirstMillivoltType = 20;
constexpr std::int32_t kLastMillivoltType = 23;

}  // namespace

std::int32_t SignalFactor(const InputScaling& scaling) {
    const bool millivolts =
        scaling.Input1Type >= kFirstMillivoltType && scaling.Input1Type <= kLastMillivoltType;
    return millivolts ? 100 : 1000;
}

double ShownValue(ScalingRule rule, std::int32_t raw, const InputScaling& scaling) {
    switch (rule) {
        case ScalingRule::Raw:
        case ScalingRule::Whole:
            return raw;
        case ScalingRule::Tenths:
        case ScalingRule::TenthsPlain:
            return static_cast<float>(raw / 10.0);
        case ScalingRule::MainScale:
            return RawToValue1(scaling, raw);
        case ScalingRule::MainWhole:
            return RoundHalfEven(RawToValue1(scaling, raw));
        case ScalingRule::AuxScale:
            return RawToValue2(scaling, raw);
        case ScalingRule::Signal:
            return static_cast<float>(static_cast<double>(raw) / SignalFactor(scaling));
    }
    return raw;
}

std::string ShownText(ScalingRule rule, std::int32_t raw, const InputScaling& scaling) {
    if (rule == ScalingRule::Tenths) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.1f", raw / 10.0);
        return buffer;
    }
    return FormatNumber(ShownValue(rule, raw, scaling));
}

std::int32_t RegisterValue(ScalingRule rule, double entered, const InputScaling& scaling) {
    const auto value = static_cast<float>(entered);
    switch (rule) {
        case ScalingRule::Raw:
            return RoundHalfEven(entered);
        case ScalingRule::Whole:
            return TruncateTowardZero(entered);
        case ScalingRule::Tenths:
        case ScalingRule::TenthsPlain:
            return RoundHalfEven(entered * 10.0);
        case ScalingRule::MainScale:
            return RoundHalfEven(ValueToRaw1(scaling, value));
        case ScalingRule::MainWhole:
            return RoundHalfEven(ValueToRaw1(scaling, static_cast<float>(RoundHalfEven(entered))));
        case ScalingRule::AuxScale:
            return RoundHalfEven(ValueToRaw2(scaling, value));
        case ScalingRule::Signal:
            return RoundHalfEven(entered * SignalFactor(scaling));
    }
    return RoundHalfEven(entered);
}

}  // namespace vt
