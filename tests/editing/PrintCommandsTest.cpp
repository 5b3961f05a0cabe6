#include "editing/PrintCommands.h"

#include <gtest/gtest.h>

#include "support/FakePrinter.h"
#include "support/Fakes.h"

namespace vantric {
namespace {

using Lines = std::vector<std::string>;

struct PrintCommandsTest : ::testing::Test {
    ProcessorState cpu;
    MemoryDumpSettings dump;
    ProgramFileState file;
    fakes::FakeEditor editor;
    fakes::FakePrinter printer;
    PrintCommands commands{cpu, dump, file, editor, printer};

    // The lines of one print-out, which must have been sent as one document in "Courier New".
    Lines Printed(void (PrintCommands::*command)()) {
        printer.lines.clear();
        const int before = printer.documents;
        (commands.*command)();
        EXPECT_EQ(printer.documents, before + 1);
        EXPECT_EQ(printer.font, "Courier New");
        EXPECT_EQ(printer.line, "");
        EXPECT_FALSE(printer.emphasis);
        return printer.lines;
    }
};

TEST_F(PrintCommandsTest, SourceListingPrintsEachEditorLineBetweenHeadingAndFooter) {
    editor.text = "\tMVI A,3E\r\nLOOP: DCR A\nJNZ LOOP\r\n\r\nHLT";
    EXPECT_EQ(Printed(&PrintCommands::PrintProgram),
              (Lines{"**Source code listing for <Unnamed Program>**", "", "\tMVI A,3E", "LOOP: DCR A", "JNZ LOOP", "",
                     "HLT", "", "--- Vantric by Orsolo ---"}));

    file.CurrentFileName = "/home/ada/progs/add two.85";
    editor.text.clear();
    EXPECT_EQ(Printed(&PrintCommands::PrintProgram),
              (Lines{"**Source code listing for /home/ada/progs/add two.85**", "", "", "--- Vantric by Orsolo ---"}));
}

TEST_F(PrintCommandsTest, ProgramOutputPrintsRegistersThenTheGridRows) {
    cpu.Register(RegA) = 0x3E;
    cpu.Flags = 0x54;
    cpu.Register(RegD) = 0xD1;
    cpu.Register(RegE) = 0x0E;
    cpu.ProgramCounter = 0x1003;
    cpu.Memory[0x1000] = 0x3E;
    cpu.Memory[0x2001] = 0xA5;
    cpu.Memory[0x303F] = 0xFF;
    const Lines lines = Printed(&PrintCommands::PrintRegistersAndMemory);
    ASSERT_EQ(lines.size(), 11u + 64u + 2u);
    EXPECT_EQ(
        Lines(lines.begin(), lines.begin() + 13),
        (Lines{"**Program output for <Unnamed Program>**", "", "**Register contents**",
               " A: 3E 54 :Flags (S=0 Z=1 AC=1 P=1 CY=0)", " B: 00 00 :C", " D: D1 0E :E", " H: 00 00 :L", "SP: FFF0",
               "PC: 1003", "", "**RAM contents**", "1000:3E 2000:00 3000:00 ", "1001:00 2001:A5 3001:00 "}));
    EXPECT_EQ(Lines(lines.end() - 3, lines.end()),
              (Lines{"103F:00 203F:00 303F:FF ", "", "--- Vantric by Orsolo ---"}));
}

TEST_F(PrintCommandsTest, CellsPastFFFFAreBlank) {
    file.CurrentFileName = "C:\\progs\\top.85";
    dump.MemoryColumnCount = 2;
    dump.ColumnStart = {0, 0xFFC0, 0xFFF0};
    cpu.Memory[0xFFFF] = 0x76;
    const Lines lines = Printed(&PrintCommands::PrintRegistersAndMemory);
    EXPECT_EQ(lines[0], "**Program output for C:\\progs\\top.85**");
    ASSERT_EQ(lines.size(), 11u + 64u + 2u);
    const auto row = [&](int r) { return lines[static_cast<std::size_t>(10 + r)]; };
    EXPECT_EQ(row(1), "FFC0:00 FFF0:00 ");
    EXPECT_EQ(row(16), "FFCF:00 FFFF:76 ");
    EXPECT_EQ(row(17), "FFD0:00         ");
    EXPECT_EQ(row(64), "FFFF:76         ");
}

}  // namespace
}  // namespace vantric
