#pragma once
// Upper-case hexadecimal forms shown for bytes and addresses everywhere in the program.

#include <string>
#include <string_view>

namespace vantric {

// The rightmost `width` characters of (width - 1 zeros followed by `text`):
// short texts are padded with zeros, long ones are cut from the left.
std::string ZeroPad(std::string_view text, int width);

// `value` in upper-case hexadecimal, zero-padded or cut to `width` digits.
std::string HexText(long long value, int width);

// Upper-case hexadecimal of `value` without leading zeros ("0" for zero).
std::string HexDigits(long long value);

// True when `text` spells a four-digit hexadecimal address exactly ("00ff", "1000", "FFFF").
bool IsFourDigitHex(std::string_view text);

// Reads hexadecimal digits from the start of `text` up to the first non-digit; nothing read is 0.
long long ReadLeadingHex(std::string_view text);

}  // namespace vantric
