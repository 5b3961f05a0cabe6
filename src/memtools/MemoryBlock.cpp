#include "memtools/MemoryBlock.h"

#include "core/HexText.h"

namespace vantric {

std::optional<std::uint16_t> ReadBlockAddress(std::string_view text) {
    if (!IsFourDigitHex(text)) return std::nullopt;
    return static_cast<std::uint16_t>(ReadLeadingHex(text) & 0xFFFF);
}

std::uint8_t ReadFillValue(std::string_view text) {
    // The field takes two characters; only the low byte of a longer text set by other means counts.
    return static_cast<std::uint8_t>(ReadLeadingHex(text) & 0xFF);
}

bool FillMemoryBlock(MemoryImage& memory, std::uint16_t start, std::uint16_t end, std::uint8_t value) {
    if (start > end) return false;
    for (std::size_t address = start; address <= end; ++address) memory[address] = value;
    return true;
}

bool CopyMemoryBlock(MemoryImage& memory, std::uint16_t start, std::uint16_t end, std::uint16_t destination) {
    if (start > end) return false;
    const std::size_t last = end - start;  // offset of the block's last byte
    if (destination + last > 0xFFFF) return false;
    // Below the source, copy from the front; at or above it, from the back, so that no source byte is
    // overwritten before it has been copied.
    if (destination < start) {
        for (std::size_t i = 0; i <= last; ++i) memory[destination + i] = memory[start + i];
    } else {
        for (std::size_t i = last + 1; i-- > 0;) memory[destination + i] = memory[start + i];
    }
    return true;
}

}  // namespace vantric
