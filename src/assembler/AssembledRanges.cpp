#include "assembler/AssembledRanges.h"

#include <algorithm>
#include <array>

#include "core/ProcessorState.h"

namespace vantric {

std::vector<ByteRange> AssembledRanges(const AssemblyTables& tables, const Compiler& compiler) {
    std::vector<bool> filled(kMemorySize, false);
    const auto mark = [&](std::int32_t first, std::size_t count) {
        const std::int64_t end =
            std::min<std::int64_t>(std::int64_t{first} + static_cast<std::int64_t>(count), kMemorySize);
        for (std::int64_t address = std::max(first, 0); address < end; ++address)
            filled[static_cast<std::size_t>(address)] = true;
    };
    for (std::int32_t line = 1; line <= tables.LineCount; ++line) {
        const std::int32_t address = tables.LineAddress(line);
        if (address >= 0) mark(address, compiler.InstructionBytes(line).size());
        const Compiler::PlacedData data = compiler.DataAt(line);
        if (data.Address >= 0) mark(data.Address, data.Bytes.size());
    }

    std::vector<ByteRange> ranges;
    for (std::int32_t address = 0; address < kMemorySize; ++address) {
        if (!filled[static_cast<std::size_t>(address)]) continue;
        if (!ranges.empty() && ranges.back().First + ranges.back().Count == address)
            ++ranges.back().Count;
        else
            ranges.push_back({address, 1});
    }
    return ranges;
}

}  // namespace vantric
