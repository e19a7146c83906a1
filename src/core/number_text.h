#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vt {

// The number at the start of an entry text: leading blanks are skipped, a sign, decimals and an
// exponent are accepted, and parsing stops at the first character that cannot continue the
// number. Text without a leading number counts as 0 ("3: 38400 BPS" -> 3, "abc" -> 0).
double LeadingNumber(std::string_view text);

// Nearest integer, a half going to the even neighbour; saturates at the 32-bit range.
std::int32_t RoundHalfEven(double value);
// The whole part, toward zero (12.7 -> 12, -3.5 -> -3); saturates at the 32-bit range.
std::int32_t TruncateTowardZero(double value);

// A value as the operator reads it: the shortest general form with up to 7 significant digits
// (45.6, 2.5, 100, 0.1, -3, 1.234568E+07).
std::string FormatNumber(double value);

}  // namespace vt
