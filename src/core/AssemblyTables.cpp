#include "core/AssemblyTables.h"

#include <algorithm>

namespace vantric {

std::int32_t AssemblyTables::LineAddress(std::int32_t line) const {
    if (line < 0 || static_cast<std::size_t>(line) >= Lines.size()) return -1;
    const LineEntry& entry = Lines[static_cast<std::size_t>(line)];
    return entry.Bytes != 0 ? entry.Address : -1;
}

// The start of a line is the start of its block of 64 plus the lengths of the lines before it in
// the block: at most 63 additions, for a table that costs four bytes a line.
std::int32_t AssemblyTables::LineStart(std::int32_t line) const {
    if (line < 1 || static_cast<std::size_t>(line) >= Lines.size() || Lines[static_cast<std::size_t>(line)].Length == 0)
        return 0;
    const auto block = static_cast<std::size_t>(line / kBlockLines);
    if (block >= blockStart_.size()) return 0;
    std::int32_t start = blockStart_[block];
    for (auto n = std::max<std::size_t>(block * kBlockLines, 1); n < static_cast<std::size_t>(line); ++n)
        start += Characters(n);
    return start;
}

std::int32_t AssemblyTables::LineLength(std::int32_t line) const {
    if (line < 0 || static_cast<std::size_t>(line) >= Lines.size()) return 0;
    const std::int32_t characters = Characters(static_cast<std::size_t>(line));
    return characters == 0 ? 0 : characters + 1;
}

std::int32_t AssemblyTables::Characters(std::size_t line) const {
    const std::uint8_t length = Lines[line].Length;
    if (length != LineEntry::kLongLine) return length;
    const auto n = static_cast<std::int32_t>(line);
    const auto it = std::lower_bound(longLines_.begin(), longLines_.end(), n,
                                     [](const auto& entry, std::int32_t wanted) { return entry.first < wanted; });
    return it != longLines_.end() && it->first == n ? it->second : 0;
}

void AssemblyTables::ClearLines(std::int32_t lineCount) {
    LineCount = lineCount;
    Lines.assign(static_cast<std::size_t>(lineCount) + 2, LineEntry{});
    blockStart_.clear();
    blockStart_.reserve(static_cast<std::size_t>(lineCount / kBlockLines) + 1);
    longLines_.clear();
}

void AssemblyTables::RecordLine(std::int32_t line, std::int32_t start, std::int32_t characters) {
    if (line < 1 || static_cast<std::size_t>(line) >= Lines.size() || characters < 1) return;
    const auto block = static_cast<std::size_t>(line / kBlockLines);
    if ((line == 1 || line % kBlockLines == 0) && blockStart_.size() == block) blockStart_.push_back(start);
    LineEntry& entry = Lines[static_cast<std::size_t>(line)];
    if (characters < LineEntry::kLongLine) {
        entry.Length = static_cast<std::uint8_t>(characters);
    } else {
        entry.Length = LineEntry::kLongLine;
        longLines_.emplace_back(line, characters);
    }
}

void AssemblyTables::RecordInstruction(std::int32_t line, std::int32_t address, int bytes) {
    if (line < 1 || static_cast<std::size_t>(line) >= Lines.size()) return;
    LineEntry& entry = Lines[static_cast<std::size_t>(line)];
    entry.Address = static_cast<std::uint16_t>(address);
    entry.Bytes = static_cast<std::uint8_t>(bytes);
}

}  // namespace vantric
