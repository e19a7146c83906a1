#include "number_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace vt {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the longest prefix of `text` that forms an unsigned decimal number.
std::size_t NumberLength(std::string_view text) {
    std::size_t i = 0;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        const std::size_t exponentStart = j;
        while (j < text.size() && IsDigit(text[j])) ++j;
        if (j > exponentStart) i = j;
    }
    return i;
}

// A whole value as a 32-bit integer, saturating at its range; NaN counts as 0.
std::int32_t Saturated(double whole) {
    if (std::isnan(whole)) return 0;
    constexpr double kMax = std::numeric_limits<std::int32_t>::max();
    constexpr double kMin = std::numeric_limits<std::int32_t>::min();
    if (whole >= kMax) return std::numeric_limits<std::int32_t>::max();
    if (whole <= kMin) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(whole);
}

}  // namespace

double LeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const std::string_view rest = text.substr(i);
    const std::size_t length = NumberLength(rest);
    if (length == 0) return 0.0;
    // from_chars rejects a lone leading '.', so give it a zero in front.
    std::string digits = rest.front() == '.' ? "0" : "";
    digits.append(rest.substr(0, length));
    double value = 0.0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error == std::errc::result_out_of_range)
        value = std::numeric_limits<double>::infinity();
    else if (error != std::errc())
        return 0.0;
    (void)end;
    return negative ? -value : value;
}

// The default rounding mode rounds to nearest, a half to even.
std::int32_t RoundHalfEven(double value) { return Saturated(std::nearbyint(value)); }

std::int32_t TruncateTowardZero(double value) { return Saturated(std::trunc(value)); }

std::string FormatNumber(double value) {
    if (value == 0.0) return "0";  // also turns -0 into 0
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.7G", value);
    return buffer;
}

}  // namespace vt
