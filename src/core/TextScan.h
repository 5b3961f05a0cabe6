#pragma once
// Reading what the user or a file typed: blanks, hexadecimal digits, decimal numbers and line numbers.

#include <cstdint>
#include <string>
#include <string_view>

namespace vantric {

// A space or a tab.
inline bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The value of a hexadecimal digit of either case; -1 for any other character.
inline int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// A number written in decimal at the start of the text: sign, digits, fraction and exponent (E or
// D), blanks and line breaks ignored wherever they stand ("1 2" reads 12); reading stops at the
// first character that cannot continue the number, and a text that forms no number reads as 0.
double ReadDecimalNumber(std::string_view text);

// Number (from 1) of the line of `text` that holds `position`. Lines end with CR LF, as in the
// editor and in the assembler; a lone CR or LF belongs to its line.
std::int32_t LineNumberAt(std::string_view text, std::int32_t position);

}  // namespace vantric
