#include "parameter.h"

#include "entry_parse.h"
#include "number_text.h"

namespace vt {

std::optional<std::string> ParameterText(const Parameter& parameter, std::int32_t raw,
                                         const InputScaling& scaling) {
    if (!parameter.enumeration()) return ShownText(parameter.shown, raw, scaling);
    if (raw < 0 || static_cast<std::size_t>(raw) >= parameter.options.size()) return std::nullopt;
    return parameter.options[static_cast<std::size_t>(raw)].shown;
}

std::optional<std::int32_t> ParameterValue(const Parameter& parameter, std::string_view entry,
                                           const InputScaling& scaling) {
    const double number = ParseEntry(entry);
    if (parameter.range && !parameter.range->holds(number)) return std::nullopt;
    if (parameter.enumeration()) return RoundHalfEven(number);
    return RegisterValue(parameter.entered, number, scaling);
}

}  // namespace vt
