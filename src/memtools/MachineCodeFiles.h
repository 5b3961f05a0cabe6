#pragma once
// Machine code as files for other tools: Intel HEX for trainer kits and EPROM programmers, and a
// raw binary image.

#include <cstdint>
#include <string>
#include <vector>

#include "assembler/AssembledRanges.h"
#include "memtools/MemoryBlock.h"

namespace vantric {

// Intel HEX text: for each range, in the order given, data records of at most 16 bytes, then the
// end-of-file record; CR LF after every record.
std::string IntelHexText(const MemoryImage& memory, const std::vector<ByteRange>& ranges);

// The bytes from the lowest to the highest address of `ranges` (ascending), gaps filled with 00.
struct BinaryImage {
    std::int32_t LoadAddress = -1;  // the lowest address; -1 when there are no bytes
    std::string Bytes;
};
BinaryImage MakeBinaryImage(const MemoryImage& memory, const std::vector<ByteRange>& ranges);

enum class MachineCodeFormat { IntelHex, Binary };

// The format a file name asks for: ".bin" (either case) is a binary image, anything else Intel HEX.
MachineCodeFormat FormatForFileName(const std::string& path);

}  // namespace vantric
