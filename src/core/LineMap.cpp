#include "core/LineMap.h"

#include <algorithm>

namespace vantric {

namespace {
constexpr std::int32_t kNone = -1;    // onlyLine_: no line starts at the address
constexpr std::int32_t kShared = -2;  // onlyLine_: the search decides
}  // namespace

void LineMap::Build(const AssemblyTables& tables, bool ignoreBreakpoints) {
    tables_ = &tables;
    const auto& addresses = tables.LineAddress;
    std::fill(firstLineAt_.begin(), firstLineAt_.end(), -1);
    nextLineSameAddress_.assign(addresses.size(), -1);
    for (std::size_t line = addresses.size(); line-- > 0;) {
        const std::int32_t address = addresses[line];
        if (address < 0 || address >= kMemorySize) continue;
        nextLineSameAddress_[line] = firstLineAt_[static_cast<std::size_t>(address)];
        firstLineAt_[static_cast<std::size_t>(address)] = static_cast<std::int32_t>(line);
    }
    // An address held by one line in 1..LineCount and by no other entry is found by every search,
    // whatever the current line: that line is its answer.
    for (std::size_t address = kMemorySize; address < attributes_.size(); ++address) attributes_[address] = kNoLine;
    for (std::size_t address = 0; address < kMemorySize; ++address) {
        const std::int32_t first = firstLineAt_[address];
        if (first < 0) {
            attributes_[address] = kNoLine;
            onlyLine_[address] = kNone;
        } else if (first >= 1 && first <= tables.LineCount && nextLineSameAddress_[static_cast<std::size_t>(first)] < 0) {
            attributes_[address] = 0;
            onlyLine_[address] = first;
        } else {
            attributes_[address] = kSearch;
            onlyLine_[address] = kShared;
        }
    }
    if (ignoreBreakpoints) return;
    const auto count = std::min<std::size_t>(static_cast<std::size_t>(std::max(tables.BreakpointCount, 0)),
                                             tables.Breakpoints.empty() ? 0 : tables.Breakpoints.size() - 1);
    for (std::size_t i = 1; i <= count; ++i)
        attributes_[static_cast<std::uint16_t>(tables.Breakpoints[i])] |= kBreakpoint;
}

std::int64_t LineMap::Track(std::int32_t pc, std::int64_t current, bool guess) const {
    if (tables_ == nullptr) return -1;
    const auto& addresses = tables_->LineAddress;
    if (guess && current >= 0 && static_cast<std::size_t>(current) < addresses.size() &&
        addresses[static_cast<std::size_t>(current)] == pc)
        return current;
    return Find(pc, current);
}

std::int64_t LineMap::Find(std::int32_t pc, std::int64_t current) const {
    if (tables_ == nullptr || pc < 0 || pc >= kMemorySize) return -1;
    const std::int32_t only = onlyLine_[static_cast<std::size_t>(pc)];
    if (only == kNone) return -1;
    if (only > 0 && current >= 0) return only;

    const auto available = static_cast<std::int64_t>(tables_->LineAddress.size());
    const std::int64_t backHigh = std::min(current, available) - 1;
    const std::int64_t forwardLow = std::max<std::int64_t>(current, 0);
    const std::int64_t forwardHigh = std::min<std::int64_t>(tables_->LineCount, available - 1);
    // The chain is ascending: the last line in 1..backHigh, else the first in forwardLow..forwardHigh.
    std::int64_t backward = -1;
    for (std::int32_t line = firstLineAt_[static_cast<std::size_t>(pc)]; line >= 0;
         line = nextLineSameAddress_[static_cast<std::size_t>(line)]) {
        if (line >= 1 && line <= backHigh) {
            backward = line;
        } else if (line > backHigh && line >= forwardLow && line <= forwardHigh) {
            return backward >= 0 ? backward : line;
        }
    }
    return backward;
}

std::int32_t LineMap::SelectionStart(std::int64_t line) const {
    const auto& starts = tables_->LineStart;
    return line >= 0 && static_cast<std::size_t>(line) < starts.size() ? starts[static_cast<std::size_t>(line)] : 0;
}

std::int32_t LineMap::SelectionLength(std::int64_t line) const {
    const auto& lengths = tables_->LineLength;
    return (line >= 0 && static_cast<std::size_t>(line) < lengths.size() ? lengths[static_cast<std::size_t>(line)] : 1) -
           1;
}

}  // namespace vantric
