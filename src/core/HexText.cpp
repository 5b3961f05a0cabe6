#include "core/HexText.h"

#include "core/TextScan.h"

#include <algorithm>

#include "core/TextCase.h"

namespace vantric {

std::string ZeroPad(std::string_view text, int width) {
    if (width < 1) return {};
    std::string padded(static_cast<std::size_t>(width - 1), '0');
    padded += text;
    const auto keep = std::min(padded.size(), static_cast<std::size_t>(width));
    return padded.substr(padded.size() - keep);
}

std::string HexDigits(long long value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    // Negative values show as their two's complement, as a 32-bit display would.
    unsigned long long v =
        value < 0 ? static_cast<unsigned long long>(value) & 0xFFFFFFFFull : static_cast<unsigned long long>(value);
    std::string out;
    do {
        out.insert(out.begin(), kDigits[v & 0xF]);
        v >>= 4;
    } while (v != 0);
    return out;
}

std::string HexText(long long value, int width) { return ZeroPad(HexDigits(value), width); }

long long ReadLeadingHex(std::string_view text) {
    long long value = 0;
    for (char c : text) {
        const int digit = HexDigitValue(c);
        if (digit < 0) break;
        // Saturate rather than overflow on absurdly long digit runs; callers range-check.
        if (value > (1LL << 56)) return value;
        value = value * 16 + digit;
    }
    return value;
}

bool IsFourDigitHex(std::string_view text) {
    if (text.empty()) return false;
    // Only the low 16 bits survive into the four-digit form, so reading past them changes nothing.
    const long long value = ReadLeadingHex(text);
    const std::string fourDigits = ZeroPad(HexDigits(value & 0xFFFF), 4);
    return ToUpperText(text) == fourDigits;
}

}  // namespace vantric
