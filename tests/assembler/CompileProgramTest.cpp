// CompileProgram: the two passes over the editor's text, the tables they leave, their errors and
// the spans those errors select, the write-back of a missing final line break, the Stop check, and
// the data directives DB, DW, DS and EQU.

#include <algorithm>

#include "control/ControlFixture.h"
#include "memtools/MemoryBlock.h"

namespace vantric {
namespace {

using Bytes = std::vector<int>;

class CompileProgramTest : public ControlFixture {
protected:
    bool Compile(const std::string& text) {
        editor.text = text;
        tables.RecompileNeeded = false;
        return compiler.CompileProgram(stopRequested);
    }
    // A failed assembly with `message`; always asks for a new assembly.
    void ExpectError(const std::string& text, const char* message) {
        EXPECT_FALSE(Compile(text)) << text;
        EXPECT_EQ(tables.CompileError, message) << text;
        EXPECT_TRUE(tables.RecompileNeeded) << text;
    }
    MemoryImage& memory() const { return app->Processor.Memory; }
    Bytes MemoryAt(int address, int count) const {
        return Bytes(memory().begin() + address, memory().begin() + address + count);
    }
    // The text an error would select in the editor.
    std::string ErrorSpan() const {
        return editor.text.substr(static_cast<std::size_t>(tables.ErrorStart),
                                  static_cast<std::size_t>(tables.ErrorEnd - tables.ErrorStart));
    }
    // One of the line tables, entries 0 to LineCount + 1.
    std::vector<std::int32_t> Column(std::int32_t (AssemblyTables::*table)(std::int32_t) const) const {
        std::vector<std::int32_t> entries;
        for (std::int32_t n = 0; n <= tables.LineCount + 1; ++n) entries.push_back((tables.*table)(n));
        return entries;
    }

    bool stopRequested = false;
    AssemblyTables& tables = app->Assembly;
    fakes::FakeEventPump& events = pump;
};

TEST_F(CompileProgramTest, MissingFinalLineBreakIsWrittenBackWithTheCaretKept) {
    ASSERT_TRUE(Compile(""));
    EXPECT_EQ(editor.text, "\r\n");
    EXPECT_EQ(status.Panel1History(), (std::vector<std::string>{"Compiling ...", ""}));

    editor.text = "MVI A,5\r\nHLT";
    editor.SetSelStart(4);
    editor.textChanges = 0;
    ASSERT_TRUE(compiler.CompileProgram());
    EXPECT_EQ(editor.text, "MVI A,5\r\nHLT\r\n");
    EXPECT_EQ(editor.selStart, 4);
    ASSERT_TRUE(compiler.CompileProgram());  // a text that ends in a line break is left alone
    EXPECT_EQ(editor.textChanges, 1);
}

TEST_F(CompileProgramTest, LabelsAreCaseInsensitiveAndBreakpointMarkersRecordTheLocationCounter) {
    ExpectError("loop: nop\r\nLOOP: nop\r\n", kDuplicateLabel);
    EXPECT_EQ(ErrorSpan(), "LOOP: nop\r\n");
    ExpectError("caf\xE9: nop\r\nCAF\xC9: nop\r\n", kDuplicateLabel);  // Latin-1 letters too
    // A tab before the colon is part of the label's name, so LOOP is a different label.
    ASSERT_TRUE(Compile("LOOP\t: NOP\r\nLOOP: NOP\r\nJMP LOOP\r\n"));
    EXPECT_EQ(MemoryAt(0x1002, 3), (Bytes{0xC3, 0x01, 0x10}));
    ASSERT_TRUE(Compile(
        "NOP\r\n;BREAK\r\nNOP\r\n  ;break here\r\n;BREAKPOINT\r\n;BREAK\r\n;ORG 2000H\r\nNOP\r\n;#\r\nNOP ;BREAK\r\n"
        ";# here\r\n;BRE\r\nLBL: ;BREAK\r\nHLT\r\n"));
    EXPECT_EQ(tables.BreakpointCount, 5);
    EXPECT_EQ(tables.Breakpoints, (std::vector<std::int32_t>{0, 0x1001, 0x1002, 0x1002, 0x1002, 0x2001}));
    ASSERT_TRUE(Compile("NOP\r\n"));  // a new assembly starts a new table
    EXPECT_EQ(tables.Breakpoints, (std::vector<std::int32_t>{0}));
}

TEST_F(CompileProgramTest, OriginDirectiveTakesTheWholeRestOfTheLineFrom0000HToFFFFH) {
    // A directive word after code is comment text.
    ASSERT_TRUE(
        Compile(";ORG 2000H\r\nNOP ;ORG 3000H\r\nNOP\r\n;Org 0000h\r\nNOP\r\n;ORG4000\r\nNOP\r\n"
                ";ORG \t0FFFFH\t\r\nEND:\r\n"));
    EXPECT_EQ(tables.LineAddress(3), 0x2001);
    EXPECT_EQ(tables.LineAddress(5), 0x0000);
    EXPECT_EQ(tables.LineAddress(7), 0x4000);
    EXPECT_EQ(compiler.Label(0).Address, 0xFFFF);
    EXPECT_EQ(tables.StartAddress, 0x2000);

    for (const char* bad : {";ORG", ";ORG 20G0", ";ORG 2000 ;start", ";ORG FFFF", ";ORG -1"}) {
        ExpectError(std::string("NOP\r\n") + bad + "\r\nNOP\r\n", kInvalidAddress);
        EXPECT_EQ(ErrorSpan(), std::string(bad) + "\r\n");
        EXPECT_EQ(status.Panel(1), "Compiling ...");
    }
    // Beyond the memory an origin is refused before anything is stored.
    memory().fill(0x11);
    for (const char* origin : {"10000H", "FFFFFFFFH", "123456789ABCDEF0123456789H"}) {
        ExpectError(std::string("HERE:\r\n;ORG ") + origin + "\r\nTHERE: MVI A,1\r\nJMP THERE\r\n", kInvalidAddress);
        EXPECT_EQ(tables.ErrorStart, 7);
        EXPECT_EQ(compiler.LabelCount(), 1u);
        EXPECT_EQ(tables.StartAddress, -1);
    }
    EXPECT_TRUE(std::all_of(memory().begin(), memory().end(), [](std::uint8_t b) { return b == 0x11; }));
}

TEST_F(CompileProgramTest, TheLocationCounterNeverPassesTheLastAddress) {
    memory()[0x0000] = 0x99;
    ExpectError(";ORG 0FFFEH\r\nLXI H,1234H\r\nNOP\r\n", kCodeExceedsRam);
    EXPECT_EQ(ErrorSpan(), "LXI H,1234H\r\n");
    EXPECT_EQ(MemoryAt(0xFFFE, 2), (Bytes{0x21, 0x34}));
    ExpectError(";ORG 0FFFFH\r\nHLT\r\n", kCodeExceedsRam);  // even a single byte at FFFFH
    EXPECT_EQ(memory()[0xFFFF], 0x76);
    EXPECT_EQ(memory()[0], 0x99);
    // A label reference whose placeholders end at FFFFH is never filled.
    ExpectError(";ORG 0FFFDH\r\nJMP THERE\r\nTHERE:\r\n", kCodeExceedsRam);
    EXPECT_EQ(MemoryAt(0xFFFD, 3), (Bytes{0xC3, 0x38, 0x38}));

    ASSERT_TRUE(Compile(";ORG 0FFFCH\r\nLXI H,1234H\r\nLAST:\r\n"));
    EXPECT_EQ(compiler.Label(0).Address, 0xFFFF);
}

TEST_F(CompileProgramTest, ErrorsSelectTheirLineAndKeepWhatCameBeforeAndUnknownLabelsComeLast) {
    ExpectError("MVI A,1\r\n; fine\r\n  mov a,q  \r\nHLT\r\n", kInvalidMnemonic);
    EXPECT_EQ(ErrorSpan(), "  mov a,q  \r\n");
    EXPECT_EQ(status.Panel(1), "Compile error");
    EXPECT_EQ(MemoryAt(0x1000, 2), (Bytes{0x3E, 0x01}));
    EXPECT_EQ(tables.StartAddress, 0x1000);
    EXPECT_EQ(Column(&AssemblyTables::LineAddress), (std::vector<std::int32_t>{-1, 0x1000, -1, -1, -1, -1}));
    EXPECT_EQ(tables.LineLength(4), 0);

    // A lone CR or LF inside a line is an ordinary character, which fits no instruction.
    ExpectError("NOP\r\nNOP\nHLT\r\n", kInvalidMnemonic);
    EXPECT_EQ(tables.LineCount, 2);
    EXPECT_EQ(ErrorSpan(), "NOP\nHLT\r\n");
    // A text ending in a lone LF keeps its last piece as a line of its own.
    editor.textChanges = 0;
    ExpectError("NOP\r\nHLT\n", kInvalidMnemonic);
    EXPECT_EQ(editor.textChanges, 0);
    EXPECT_EQ(tables.ErrorStart, 5);
    EXPECT_EQ(tables.ErrorEnd, 9);
    ExpectError("JMP NOWHERE\r\nBAD\r\n", kInvalidMnemonic);  // an error later in the source comes first

    ExpectError("JMP AHEAD\r\nCALL MISSING ; c\r\nJMP GONE\r\nJMP AHEAD\r\nAHEAD: HLT\r\n", kUnknownLabel);
    EXPECT_EQ(ErrorSpan(), "CALL MISSING ; c");
    // References before it are filled; it and the later ones keep their placeholders.
    EXPECT_EQ(MemoryAt(0x1000, 12), (Bytes{0xC3, 0x0C, 0x10, 0xCD, 0x38, 0x38, 0xC3, 0x38, 0x38, 0xC3, 0x38, 0x38}));
    EXPECT_EQ(status.Panel(1), "Compiling ...");
}

TEST_F(CompileProgramTest, EventsRunAfterEveryHundredthLineAndStopEndsTheAssemblyThere) {
    std::string text;
    for (int i = 0; i < 250; ++i) text += "NOP\r\n";
    ASSERT_TRUE(Compile(text));
    EXPECT_EQ(events.calls, 2);

    events.calls = 0;
    events.onEvents = [&] { stopRequested = true; };
    EXPECT_FALSE(Compile(text));
    EXPECT_EQ(events.calls, 1);
    EXPECT_EQ(tables.CompileError, "");
    EXPECT_TRUE(tables.RecompileNeeded);
    EXPECT_EQ(tables.LineAddress(100), 0x1000 + 99);
    EXPECT_EQ(tables.LineAddress(101), -1);
    EXPECT_EQ(tables.ErrorStart, 500);
    events.onEvents = nullptr;  // a stop requested before the assembly is seen only at line 100
    EXPECT_TRUE(Compile("NOP\r\n"));
}

TEST_F(CompileProgramTest, DataPlaceBytesWordsAndGapsAndUseConstantsAndLabelsAnywhere) {
    memory().fill(0xEE);
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

TEST_F(CompileProgramTest, DataErrorsSelectTheirLine) {
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

TEST_F(CompileProgramTest, DataQuotesAndTheNewWordsChangeNothingElse) {
    // A quote in a label or a comment, and a label named like a directive, assemble as before.
    ASSERT_TRUE(Compile("IT'S: NOP ; don't\r\nEQU: JMP IT'S\r\nEQUALS: DB 1\r\nNONE EQU 0\r\nDB NONE\r\n"))
        << tables.CompileError;
    EXPECT_EQ(MemoryAt(0x1000, 6), (Bytes{0x00, 0xC3, 0x00, 0x10, 0x01, 0x00}));
    EXPECT_FALSE(Compile("MVI A,FF\r\n"));
    EXPECT_EQ(tables.CompileError, kInvalidMnemonic);
}

}  // namespace
}  // namespace vantric
