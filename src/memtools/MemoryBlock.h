#pragma once
// Filling and copying blocks of the simulated memory, and reading the values typed for them.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/ProcessorState.h"

namespace vantric {

using MemoryImage = std::array<std::uint8_t, kMemorySize>;

// An address typed as exactly four hexadecimal digits, either case; nothing for any other text.
std::optional<std::uint16_t> ReadBlockAddress(std::string_view text);

// The byte typed as a fill value: hexadecimal digits from the start of the text up to the first
// other character; an empty text, or one that starts with no digit, gives 0.
std::uint8_t ReadFillValue(std::string_view text);

// Stores value in every byte from start to end, both included, in ascending order. False, and
// nothing written, when start lies above end.
bool FillMemoryBlock(MemoryImage& memory, std::uint16_t start, std::uint16_t end, std::uint8_t value);

// Copies the bytes start to end to the block beginning at destination, so that the destination ends
// up holding the source as it was before, also when the two overlap. False, and nothing written,
// when start lies above end or the destination block would run past FFFF.
bool CopyMemoryBlock(MemoryImage& memory, std::uint16_t start, std::uint16_t end, std::uint16_t destination);

}  // namespace vantric
