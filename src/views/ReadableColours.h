#pragma once
// The colours of a cell drawn on a fixed background (the memory grid's cells, the flag cells'
// caption), chosen so that its text stays readable under the desktop's palette. Colours are
// 0xRRGGBB.

#include <cstdint>

namespace vantric {

struct CellColours {
    std::uint32_t background;
    std::uint32_t text;
};

// A palette is dark when its window colour's lightness is below one half. Under a light palette:
// `background` itself, with the palette's text colour. Under a dark palette: a dark colour of the
// same hue whose lightness mirrors that of `background` (so that lighter backgrounds stay told
// apart from darker ones), with light text.
CellColours ReadableColours(std::uint32_t background, std::uint32_t windowColour, std::uint32_t textColour);

}  // namespace vantric
