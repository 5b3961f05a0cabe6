#include "editing/RegisterPrintout.h"

#include <gtest/gtest.h>

namespace vantric {
namespace {

TEST(RegisterPrintout, SixLinesWithFlagBitsSpelledOut) {
    ProcessorState cpu;
    cpu.Register(RegA) = 0x3E;
    cpu.Flags = 0x54;
    cpu.Register(RegB) = 0x01;
    cpu.Register(RegC) = 0x02;
    cpu.Register(RegD) = 0xD0;
    cpu.Register(RegE) = 0x0E;
    cpu.Register(RegH) = 0xAB;
    cpu.Register(RegL) = 0xCD;
    cpu.StackPointer = 0xFFF0;
    cpu.ProgramCounter = 0x100A;
    EXPECT_EQ(RegisterLines(cpu), (std::vector<std::string>{" A: 3E 54 :Flags (S=0 Z=1 AC=1 P=1 CY=0)", " B: 01 02 :C",
                                                            " D: D0 0E :E", " H: AB CD :L", "SP: FFF0", "PC: 100A"}));
    cpu.Flags = 0x81;
    EXPECT_EQ(RegisterLines(cpu)[0], " A: 3E 81 :Flags (S=1 Z=0 AC=0 P=0 CY=1)");
}

}  // namespace
}  // namespace vantric
