#pragma once
// Case conversion for the program's 8-bit (Latin-1) text.

#include <string>
#include <string_view>

namespace vantric {

// Upper case of one Latin-1 character: a-z and the accented small letters E0-FE (except F7).
inline char ToUpperChar(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 'a' && u <= 'z') return static_cast<char>(u - 32);
    if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return static_cast<char>(u - 32);
    return c;
}

inline std::string ToUpperText(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = ToUpperChar(c);
    return out;
}

}  // namespace vantric
