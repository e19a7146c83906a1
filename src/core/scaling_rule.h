#pragma once

#include <cstdint>
#include <string>

#include "value_conversion.h"

namespace vt {

// How a register value is shown to the operator and how a number the operator enters becomes a
// register value. Rounding is half to even unless the rule says otherwise.
enum class ScalingRule {
    Raw,          // r as an integer; an entry is rounded
    Whole,        // r as an integer; an entry is truncated toward zero (12.7 -> 12, -3.5 -> -3)
    Tenths,       // r / 10 always with one decimal ("2.5", "0.0"); an entry times 10
    TenthsPlain,  // r / 10 as an ordinary number ("2.5", "3"); an entry times 10
    MainScale,    // through the main input's scaling both ways
    MainWhole,    // main input's scaling, in whole engineering units both ways: an entry is
                  // rounded to a whole value before it is scaled, a reading after
    AuxScale,     // through the auxiliary input's scaling both ways
    Signal,  // r / 1000, or r / 100 while the main input type is 20..23; an entry times the same
};

// Register units per engineering unit of the multi-point correction's electrical values.
std::int32_t SignalFactor(const InputScaling& scaling);

// The value the operator reads for register value `raw`.
double ShownValue(ScalingRule rule, std::int32_t raw, const InputScaling& scaling);
// ShownValue as text: ordinary number text, or with exactly one decimal for Tenths.
std::string ShownText(ScalingRule rule, std::int32_t raw, const InputScaling& scaling);

// The register value for an entered number (saturating at the 32-bit range).
std::int32_t RegisterValue(ScalingRule rule, double entered, const InputScaling& scaling);

}  // namespace vt
