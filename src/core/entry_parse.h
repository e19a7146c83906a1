#pragma once

#include <string>
#include <string_view>

namespace vt {

// An entry text with the full-width digits, signs, decimal point and blank that a Chinese input
// method types turned into their ASCII forms ("１２３．５" -> "123.5"). UTF-8 in and out.
std::string NormaliseEntry(std::string_view text);

// The number at the start of an entry text after NormaliseEntry; 0 without one.
double ParseEntry(std::string_view text);

}  // namespace vt
