// The Intel HEX and binary image writers at their edges; whole programs are checked against
// objcopy by tests/cli/machine_code_files.sh.

#include "memtools/MachineCodeFiles.h"

#include <gtest/gtest.h>

#include <memory>

namespace vantric {
namespace {

TEST(MachineCodeFiles, RecordsSplitAtSixteenBytesAndAtGapsUpToFFFFAndImagesFillGaps) {
    auto memory = std::make_unique<MemoryImage>();
    for (int i = 0; i < 17; ++i) (*memory)[0x1000 + i] = static_cast<std::uint8_t>(i);
    (*memory)[0x0030] = 0x02;  // a published record: :0300300002337A1E
    (*memory)[0x0031] = 0x33;
    (*memory)[0x0032] = 0x7A;
    (*memory)[0xFFFF] = 0xAB;
    const std::vector<ByteRange> ranges{{0x0030, 3}, {0x1000, 17}, {0xFFFF, 1}};
    EXPECT_EQ(IntelHexText(*memory, ranges),
              ":0300300002337A1E\r\n"
              ":10100000000102030405060708090A0B0C0D0E0F68\r\n"
              ":0110100010CF\r\n"
              ":01FFFF00AB56\r\n"
              ":00000001FF\r\n");
    EXPECT_EQ(IntelHexText(*memory, {}), ":00000001FF\r\n");

    const BinaryImage image = MakeBinaryImage(*memory, {{0x0030, 3}, {0x0034, 1}});
    EXPECT_EQ(image.LoadAddress, 0x0030);
    EXPECT_EQ(image.Bytes, std::string("\x02\x33\x7A\x00\x00", 5));
    EXPECT_EQ(MakeBinaryImage(*memory, ranges).Bytes.size(), 0x10000u - 0x30);
    EXPECT_EQ(MakeBinaryImage(*memory, {}).LoadAddress, -1);
    EXPECT_EQ(FormatForFileName("kit/PROG.BIN"), MachineCodeFormat::Binary);
    EXPECT_EQ(FormatForFileName("bin"), MachineCodeFormat::IntelHex);
}

}  // namespace
}  // namespace vantric
