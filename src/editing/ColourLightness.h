#pragma once
// Whether a colour (0xRRGGBB) is dark: its lightness (the mean of its strongest and weakest channel,
// as in HSL) below one half. Text on a dark colour must be light, and the reverse.

#include <algorithm>
#include <cstdint>

namespace vantric {

inline bool IsDarkColour(std::uint32_t rgb) {
    const std::uint32_t r = (rgb >> 16) & 0xFF;
    const std::uint32_t g = (rgb >> 8) & 0xFF;
    const std::uint32_t b = rgb & 0xFF;
    return std::max({r, g, b}) + std::min({r, g, b}) < 255;
}

}  // namespace vantric
