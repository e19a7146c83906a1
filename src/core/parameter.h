#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "retry_rule.h"
#include "scaling_rule.h"

namespace vt {

// One entry of an option list: the text offered for choosing it (its code, a colon and a name:
// "3:远程SV ") and the text shown when the controller reports the code. Codes are positions.
struct OptionEntry {
    const char* option;
    const char* shown;
};
using OptionList = std::span<const OptionEntry>;

// The entered values a parameter accepts (bounds included); out of range writes nothing.
struct EntryRange {
    double low;
    double high;
    bool holds(double value) const { return value >= low && value <= high; }
};

// One controller parameter as the station's windows show and write it: the register, its
// caption and hint, and its rules. An enumeration (options not empty) is shown by its option
// list and written as the code at the start of the chosen entry; a number is shown and entered
// by its scaling rules. Texts are UTF-8.
struct Parameter {
    std::int32_t reg = 0;
    const char* caption = "";
    ScalingRule shown = ScalingRule::Raw;
    ScalingRule entered = ScalingRule::Raw;
    OptionList options{};
    const char* hint = "";
    RetryRule retry = RetryRule::OnNoAnswer;
    std::optional<EntryRange> range{};

    bool enumeration() const { return !options.empty(); }
};

// A number parameter shown and entered by one rule.
constexpr Parameter NumberParameter(std::int32_t reg, const char* caption, ScalingRule rule,
                                    const char* hint = "",
                                    RetryRule retry = RetryRule::OnNoAnswer) {
    return Parameter{reg, caption, rule, rule, {}, hint, retry, std::nullopt};
}

// An enumeration parameter with its option list.
constexpr Parameter ListParameter(std::int32_t reg, const char* caption, OptionList options,
                                  const char* hint = "", RetryRule retry = RetryRule::OnNoAnswer) {
    return Parameter{reg,  caption, ScalingRule::Raw, ScalingRule::Raw, options,
                     hint, retry,   std::nullopt};
}

// What the operator reads for register value `raw`: the shown text of an enumeration's code
// (none for a code the list lacks: the display keeps what it showed), or the number by the
// parameter's display rule.
std::optional<std::string> ParameterText(const Parameter& parameter, std::int32_t raw,
                                         const InputScaling& scaling);

// The register value a write of `entry` sends: an enumeration's code is the number at the start
// of the text; a number is converted by the entry rule. Text without a leading number counts as
// 0. None when the parameter has a range and the entered number lies outside it.
std::optional<std::int32_t> ParameterValue(const Parameter& parameter, std::string_view entry,
                                           const InputScaling& scaling);

}  // namespace vt
