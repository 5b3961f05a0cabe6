#include "views/ReadableColours.h"

#include "editing/ColourLightness.h"

#include <algorithm>
#include <cmath>

namespace vantric {

namespace {

struct Hsl {
    double hue;  // 0 to 6, one unit per sixth of the colour wheel
    double saturation, lightness;
};

double Channel(std::uint32_t colour, int shift) { return ((colour >> shift) & 0xFF) / 255.0; }

Hsl ToHsl(std::uint32_t colour) {
    const double r = Channel(colour, 16), g = Channel(colour, 8), b = Channel(colour, 0);
    const double high = std::max({r, g, b}), low = std::min({r, g, b}), chroma = high - low;
    const double lightness = (high + low) / 2.0;
    if (chroma == 0.0) return {0.0, 0.0, lightness};
    const double hue = high == r   ? std::fmod((g - b) / chroma + 6.0, 6.0)
                       : high == g ? (b - r) / chroma + 2.0
                                   : (r - g) / chroma + 4.0;
    return {hue, chroma / (1.0 - std::abs(2.0 * lightness - 1.0)), lightness};
}

std::uint32_t FromHsl(const Hsl& colour) {
    const double chroma = (1.0 - std::abs(2.0 * colour.lightness - 1.0)) * colour.saturation;
    const double second = chroma * (1.0 - std::abs(std::fmod(colour.hue, 2.0) - 1.0));
    double r = 0, g = 0, b = 0;
    switch (static_cast<int>(colour.hue) % 6) {
        case 0: r = chroma, g = second; break;
        case 1: r = second, g = chroma; break;
        case 2: g = chroma, b = second; break;
        case 3: g = second, b = chroma; break;
        case 4: r = second, b = chroma; break;
        default: r = chroma, b = second; break;
    }
    const double low = colour.lightness - chroma / 2.0;
    const auto byte = [low](double channel) {
        return static_cast<std::uint32_t>(std::lround((channel + low) * 255.0));
    };
    return byte(r) << 16 | byte(g) << 8 | byte(b);
}

// White turns into the dark grey of a dark palette's base rather than black; tints are muted so that
// light text on them keeps its contrast.
constexpr double kDarkestLightness = 0.12;
constexpr double kDarkSaturation = 0.4;
constexpr std::uint32_t kLightText = 0xFFFFFF;

}  // namespace

CellColours ReadableColours(std::uint32_t background, std::uint32_t windowColour, std::uint32_t textColour) {
    if (!IsDarkColour(windowColour)) return {background, textColour};
    Hsl dark = ToHsl(background);
    dark.lightness = std::min(kDarkestLightness + (1.0 - dark.lightness), 0.5);
    dark.saturation *= kDarkSaturation;
    return {FromHsl(dark), IsDarkColour(textColour) ? kLightText : textColour};
}

}  // namespace vantric
