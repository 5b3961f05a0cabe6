#include "core/LineMap.h"

#include <algorithm>

namespace vantric {

void LineMap::Build(const AssemblyTables& tables, bool ignoreBreakpoints) {
    tables_ = &tables;
    const auto& lines = tables.Lines;
    // First pass: each address's first line, and (in the attribute table, for now) how many lines
    // hold it: 0, 1 or more.
    std::fill(firstLine_.begin(), firstLine_.end(), -1);
    std::fill(attributes_.begin(), attributes_.end(), 0);
    runTarget_ = -1;
    for (std::size_t line = 0; line < lines.size(); ++line) {
        if (lines[line].Bytes == 0) continue;
        const std::uint16_t address = lines[line].Address;
        if (attributes_[address] == 0) firstLine_[address] = static_cast<std::int32_t>(line);
        attributes_[address] = static_cast<std::uint8_t>(std::min(attributes_[address] + 1, 2));
    }
    shared_.clear();
    for (std::size_t line = 0; line < lines.size(); ++line) {
        if (lines[line].Bytes != 0 && attributes_[lines[line].Address] == 2)
            shared_.push_back({lines[line].Address, static_cast<std::int32_t>(line)});
    }
    std::stable_sort(shared_.begin(), shared_.end(),
                     [](const SharedLine& x, const SharedLine& y) { return x.Address < y.Address; });

    // An address held by one line in 1..LineCount is found by every search, whatever the current
    // line: that line is its answer.
    for (std::size_t address = 0; address < kMemorySize; ++address) {
        const std::uint8_t holders = attributes_[address];
        const std::int32_t first = firstLine_[address];
        if (holders == 0)
            attributes_[address] = kNoLine;
        else if (holders == 1 && first >= 1 && first <= tables.LineCount)
            attributes_[address] = 0;
        else
            attributes_[address] = kSearch;
    }
    for (std::size_t address = kMemorySize; address < attributes_.size(); ++address) attributes_[address] = kNoLine;
    if (ignoreBreakpoints) return;
    const auto count = std::min<std::size_t>(static_cast<std::size_t>(std::max(tables.BreakpointCount, 0)),
                                             tables.Breakpoints.empty() ? 0 : tables.Breakpoints.size() - 1);
    for (std::size_t i = 1; i <= count; ++i)
        attributes_[static_cast<std::uint16_t>(tables.Breakpoints[i])] |= kBreakpoint;
}

void LineMap::MarkRunTarget(std::int32_t address) {
    if (address == runTarget_) return;
    if (runTarget_ >= 0) attributes_[static_cast<std::size_t>(runTarget_)] &= static_cast<std::uint8_t>(~kRunTarget);
    runTarget_ = address >= 0 && address < kMemorySize ? address : -1;
    if (runTarget_ >= 0) attributes_[static_cast<std::size_t>(runTarget_)] |= kRunTarget;
}

std::int64_t LineMap::Track(std::int32_t pc, std::int64_t current, bool guess) const {
    if (tables_ == nullptr) return -1;
    if (guess && current >= 0 && current < static_cast<std::int64_t>(tables_->Lines.size()) &&
        tables_->LineAddress(static_cast<std::int32_t>(current)) == pc)
        return current;
    return Find(pc, current);
}

std::int64_t LineMap::Find(std::int32_t pc, std::int64_t current) const {
    if (tables_ == nullptr || pc < 0 || pc >= kMemorySize) return -1;
    const std::uint8_t attribute = attributes_[static_cast<std::size_t>(pc)];
    if (attribute & kNoLine) return -1;
    const std::int32_t first = firstLine_[static_cast<std::size_t>(pc)];
    if ((attribute & kSearch) == 0 && current >= 0) return first;

    const auto available = static_cast<std::int64_t>(tables_->Lines.size());
    const std::int64_t backHigh = std::min(current, available) - 1;
    const std::int64_t forwardLow = std::max<std::int64_t>(current, 0);
    const std::int64_t forwardHigh = std::min<std::int64_t>(tables_->LineCount, available - 1);
    // The lines of pc in ascending order: the last in 1..backHigh, else the first in
    // forwardLow..forwardHigh.
    const auto [from, to] =
        std::equal_range(shared_.begin(), shared_.end(), SharedLine{static_cast<std::uint16_t>(pc), 0},
                         [](const SharedLine& x, const SharedLine& y) { return x.Address < y.Address; });
    const SharedLine single{static_cast<std::uint16_t>(pc), first};
    const SharedLine* begin = from == to ? &single : &*from;
    const SharedLine* end = from == to ? &single + 1 : &*from + (to - from);
    std::int64_t backward = -1;
    for (const SharedLine* entry = begin; entry != end; ++entry) {
        const std::int64_t line = entry->Line;
        if (line >= 1 && line <= backHigh)
            backward = line;
        else if (line > backHigh && line >= forwardLow && line <= forwardHigh)
            return backward >= 0 ? backward : line;
    }
    return backward;
}

std::int32_t LineMap::SelectionStart(std::int64_t line) const {
    return tables_->LineStart(static_cast<std::int32_t>(line));
}

std::int32_t LineMap::SelectionLength(std::int64_t line) const {
    return std::max(tables_->LineLength(static_cast<std::int32_t>(line)), 1) - 1;
}

}  // namespace vantric
