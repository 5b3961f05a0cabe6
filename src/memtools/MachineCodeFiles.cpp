#include "memtools/MachineCodeFiles.h"

#include "core/HexText.h"
#include "core/TextCase.h"

namespace vantric {

namespace {

constexpr std::int32_t kRecordBytes = 16;

// One record: byte count, address, type, data, and the checksum that makes all its bytes sum to 0.
void AppendRecord(std::string& text, std::int32_t address, int type, const std::uint8_t* data, std::int32_t count) {
    unsigned sum = static_cast<unsigned>(count) + static_cast<unsigned>(address >> 8) +
                   static_cast<unsigned>(address & 0xFF) + static_cast<unsigned>(type);
    text += ':' + HexText(count, 2) + HexText(address, 4) + HexText(type, 2);
    for (std::int32_t i = 0; i < count; ++i) {
        text += HexText(data[i], 2);
        sum += data[i];
    }
    text += HexText(static_cast<std::int32_t>((0x100 - (sum & 0xFF)) & 0xFF), 2) + "\r\n";
}

}  // namespace

std::string IntelHexText(const MemoryImage& memory, const std::vector<ByteRange>& ranges) {
    std::string text;
    for (const ByteRange& range : ranges)
        for (std::int32_t done = 0; done < range.Count; done += kRecordBytes) {
            const std::int32_t address = range.First + done;
            AppendRecord(text, address, 0, &memory[static_cast<std::size_t>(address)],
                         std::min(kRecordBytes, range.Count - done));
        }
    AppendRecord(text, 0, 1, nullptr, 0);
    return text;
}

BinaryImage MakeBinaryImage(const MemoryImage& memory, const std::vector<ByteRange>& ranges) {
    BinaryImage image;
    if (ranges.empty()) return image;
    image.LoadAddress = ranges.front().First;
    image.Bytes.assign(static_cast<std::size_t>(ranges.back().First + ranges.back().Count - image.LoadAddress), '\0');
    for (const ByteRange& range : ranges)
        for (std::int32_t address = range.First; address < range.First + range.Count; ++address)
            image.Bytes[static_cast<std::size_t>(address - image.LoadAddress)] =
                static_cast<char>(memory[static_cast<std::size_t>(address)]);
    return image;
}

MachineCodeFormat FormatForFileName(const std::string& path) {
    const std::string end = path.size() >= 4 ? path.substr(path.size() - 4) : std::string();
    return ToUpperText(end) == ".BIN" ? MachineCodeFormat::Binary : MachineCodeFormat::IntelHex;
}

}  // namespace vantric
