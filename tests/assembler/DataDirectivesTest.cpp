// DB, DW, DS and EQU: the bytes they place, the labels and constants they use, and their errors.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "assembler/Compiler.h"
#include "assembler/ShippedInstructionSet.h"
#include "support/Fakes.h"
#include "support/TestState.h"

namespace vantric {
namespace {

using Bytes = std::vector<int>;

class DataDirectivesTest : public ::testing::Test {
protected:
    DataDirectivesTest() { app_->Instructions = testing::ShippedInstructionSet(); }

    bool Compile(const std::string& text) {
        editor.text = text;
        return compiler.CompileProgram();
    }
    Bytes MemoryAt(int address, int count) const {
        Bytes bytes;
        for (int i = 0; i < count; ++i) bytes.push_back(app_->Processor.Memory[static_cast<std::size_t>(address + i)]);
        return bytes;
    }
    std::string ErrorSpan() const {
        return editor.text.substr(static_cast<std::size_t>(tables.ErrorStart),
                                  static_cast<std::size_t>(tables.ErrorEnd - tables.ErrorStart));
    }

    std::unique_ptr<TestState> app_ = std::make_unique<TestState>();
    AssemblyTables& tables = app_->Assembly;
    fakes::FakeEditor editor;
    fakes::FakeStatusBar status;
    fakes::FakeEventPump events;
    Compiler compiler{app_->Processor, app_->Instructions, tables, editor, status, events};
};

TEST_F(DataDirectivesTest, PlaceBytesWordsAndGapsAndUseConstantsAndLabelsAnywhere) {
    app_->Processor.Memory.fill(0xEE);
    ASSERT_TRUE(
        Compile("count equ 0AH\r\n"
                "BASE EQU 2100H\r\n"
                ";ORG 2000H\r\n"
                "TABLE: DB 05H, COUNT,'aB' , BASE,LATER\r\n"
                "WORDS: dw 1234H,LATER,TABLE,ENDS\r\n"
                "GAP: DS 3\r\n"
                "LATER: DB 0FFH\r\n"
                " MVI A,COUNT\r\n"
                " LXI H,BASE\r\n"
                " JMP BASE\r\n"
                "ENDS: DS COUNT\r\n"))
        << tables.CompileError;
    // Quoted text keeps its case.
    EXPECT_EQ(MemoryAt(0x2000, 0x1B), (Bytes{0x05, 0x0A, 0x61, 0x42, 0x00, 0x11,              // TABLE
                                             0x34, 0x12, 0x11, 0x20, 0x00, 0x20, 0x1A, 0x20,  // WORDS
                                             0xEE, 0xEE, 0xEE,                                // GAP
                                             0xFF,                                            // LATER
                                             0x3E, 0x0A, 0x21, 0x00, 0x21, 0xC3, 0x00, 0x21, 0xEE}));
    EXPECT_EQ(tables.StartAddress, 0x2012);  // data before the code is not run
    EXPECT_EQ(tables.LineAddress(4), -1);    // data lines hold no instruction
    EXPECT_EQ(tables.LineAddress(8), 0x2012);
    EXPECT_EQ(compiler.DataAt(4).Address, 0x2000);
    EXPECT_EQ(compiler.DataAt(5).Bytes.size(), 8u);
    EXPECT_EQ(compiler.DataAt(6).Reserved, 3);
    EXPECT_EQ(compiler.DataAt(8).Address, -1);
    EXPECT_EQ(compiler.LocationCounter(), 0x2024);
}

TEST_F(DataDirectivesTest, ErrorsSelectTheirLine) {
    struct Case {
        const char* source;
        const char* message;
        const char* selected;
    };
    for (const Case& c : {
             Case{"NOP\r\nDB 100H\r\n", kInvalidByteValue, "DB 100H\r\n"},
             Case{"DB 10000H\r\n", kHexTooLong, "DB 10000H\r\n"},
             Case{"DB\r\n", kInvalidDataOperand, "DB\r\n"},
             Case{"DB 1,,2\r\n", kInvalidDataOperand, "DB 1,,2\r\n"},
             Case{"DB 'ab\r\n", kInvalidDataOperand, "DB 'ab\r\n"},
             Case{"DB 'a;b'\r\n", kInvalidDataOperand, "DB 'a;b'\r\n"},  // a ; still starts the comment
             Case{"DW 'ab'\r\n", kInvalidDataOperand, "DW 'ab'\r\n"},
             Case{"DS X\r\n", kInvalidDataOperand, "DS X\r\n"},
             Case{";ORG 0FFF0H\r\nDS 0FH\r\nDS 1\r\n", kReservedSpaceExceedsRam, "DS 1\r\n"},
             Case{";ORG 0FFFEH\r\nDB 1,2\r\n", kCodeExceedsRam, "DB 1,2\r\n"},
             Case{"EQU 5\r\n", kMissingConstantName, "EQU 5\r\n"},
             Case{"AB EQU 5\r\n", kInvalidConstantName, "AB EQU 5\r\n"},
             Case{"12AH EQU 5\r\n", kInvalidConstantName, "12AH EQU 5\r\n"},
             Case{"NUM EQU\r\n", kInvalidConstantValue, "NUM EQU\r\n"},
             Case{"NUM EQU 1\r\nNUM EQU 2\r\n", kDuplicateConstantName, "NUM EQU 2\r\n"},
             Case{"NUM: NOP\r\nNUM EQU 2\r\n", kDuplicateConstantName, "NUM EQU 2\r\n"},
             Case{"NUM EQU 2\r\nNUM: NOP\r\n", kDuplicateLabel, "NUM: NOP\r\n"},
             Case{"BIG EQU 100H\r\nMVI A,BIG\r\n", kInvalidMnemonic, "MVI A,BIG\r\n"},
             // A constant is known from its line on; before it, the name reads as a label.
             Case{"JMP LATE\r\nLATE EQU 5\r\nDW NONE\r\n", kUnknownLabel, "JMP LATE"},
         }) {
        SCOPED_TRACE(c.source);
        EXPECT_FALSE(Compile(c.source));
        EXPECT_EQ(tables.CompileError, c.message);
        EXPECT_EQ(ErrorSpan(), c.selected);
    }
}

TEST_F(DataDirectivesTest, QuotesAndTheNewWordsChangeNothingElse) {
    // A quote in a label or a comment, and a label named like a directive, assemble as before.
    ASSERT_TRUE(Compile("IT'S: NOP ; don't\r\nEQU: JMP IT'S\r\nEQUALS: DB 1\r\n")) << tables.CompileError;
    EXPECT_EQ(MemoryAt(0x1000, 5), (Bytes{0x00, 0xC3, 0x00, 0x10, 0x01}));
    EXPECT_FALSE(Compile("MVI A,FF\r\n"));
    EXPECT_EQ(tables.CompileError, kInvalidMnemonic);
}

}  // namespace
}  // namespace vantric
