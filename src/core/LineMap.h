#pragma once
// Where the assembled source lines lie in memory, as the engine needs it after every instruction:
// one attribute byte per address, the one line of an address that only one line holds, and the
// search that finds a line when several lines share an address.

#include <array>
#include <cstdint>
#include <vector>

#include "core/AssemblyTables.h"
#include "core/ProcessorState.h"

namespace vantric {

class LineMap {
public:
    // Attribute bits; 0 means "exactly one line starts here, no breakpoint".
    static constexpr std::uint8_t kNoLine = 1;      // no line starts here
    static constexpr std::uint8_t kBreakpoint = 2;  // a ;BREAK was assembled at this address
    static constexpr std::uint8_t kSearch = 4;      // several lines start here: the search decides
    static constexpr std::uint8_t kRunTarget = 8;   // the current run also stops here (MarkRunTarget)

    // Derives the map from `tables` (breakpoints left out when ignoreBreakpoints). `tables` must
    // outlive the map; Build again after it changes.
    void Build(const AssemblyTables& tables, bool ignoreBreakpoints);

    // One entry per address, and three past FFFFH that send a PC which moved past the end the slow
    // way, where it wraps.
    static constexpr std::size_t kAttributeEntries = kMemorySize + 3;
    const std::array<std::uint8_t, kAttributeEntries>& AttributeTable() const { return attributes_; }
    // The one line that starts at `address` when its attribute has neither kNoLine nor kSearch.
    std::int32_t OnlyLineAt(std::uint16_t address) const { return firstLine_[address]; }

    // The line whose instruction is at `pc`, for a current line `current` that the guess has
    // already advanced: that line itself when it starts at pc (unless `guess` is false, as in step
    // mode), else the nearest line before it, else the first one from it on. -1 when none.
    std::int64_t Track(std::int32_t pc, std::int64_t current, bool guess) const;

    // The two scans alone: backwards from current - 1 to line 1, then forwards from current to
    // LineCount, both inside the tables. -1 when neither finds pc.
    std::int64_t Find(std::int32_t pc, std::int64_t current) const;

    // The selection of line n: its start and its length without the line break.
    std::int32_t SelectionStart(std::int64_t line) const;
    std::int32_t SelectionLength(std::int64_t line) const;

    // Marks `address` as the run's target, in place of the one marked before; -1 marks none.
    void MarkRunTarget(std::int32_t address);

    std::int32_t LineCount() const { return tables_ ? tables_->LineCount : 0; }

private:
    struct SharedLine {
        std::uint16_t Address;
        std::int32_t Line;
    };

    const AssemblyTables* tables_ = nullptr;
    std::array<std::uint8_t, kAttributeEntries> attributes_{};
    // Per address: its first line, or -1 when no line holds it.
    std::vector<std::int32_t> firstLine_ = std::vector<std::int32_t>(kMemorySize, -1);
    // The lines of the addresses that several lines hold, by address and then line, so a search
    // costs the lines at pc and the index stays in proportion to the overlapping lines alone.
    std::vector<SharedLine> shared_;
    std::int32_t runTarget_ = -1;
};

}  // namespace vantric
