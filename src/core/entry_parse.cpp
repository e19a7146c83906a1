#include "entry_parse.h"

#include "number_text.h"

namespace vt {

namespace {

// The ASCII form of the full-width character starting at text[i] (three UTF-8 bytes), or 0.
char AsciiForm(std::string_view text, std::size_t i) {
    if (i + 2 >= text.size()) return 0;
    const auto b0 = static_cast<unsigned char>(text[i]);
    const auto b1 = static_cast<unsigned char>(text[i + 1]);
    const auto b2 = static_cast<unsigned char>(text[i + 2]);
    if (b0 == 0xE3 && b1 == 0x80 && b2 == 0x80) return ' ';  // U+3000 ideographic space
    // U+FF00..U+FF3F (full-width digits, signs and point among them) are EF BC 80..BF.
    if (b0 != 0xEF || b1 != 0xBC || b2 < 0x80 || b2 > 0xBF) return 0;
    const char ascii = static_cast<char>(b2 - 0x80 + 0x20);  // U+FF01 is '!' + 0xFEE0
    if ((ascii >= '0' && ascii <= '9') || ascii == '+' || ascii == '-' || ascii == '.') {
        return ascii;
    }
    return 0;
}

}  // namespace

std::string NormaliseEntry(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (const char ascii = AsciiForm(text, i)) {
            out.push_back(ascii);
            i += 3;
        } else {
            out.push_back(text[i++]);
        }
    }
    return out;
}

double ParseEntry(std::string_view text) { return LeadingNumber(NormaliseEntry(text)); }

}  // namespace vt
