// CompileProgram: the two passes over the editor's text, the tables they leave, their errors and
// the spans those errors select, the write-back of a missing final line break, and the Stop check.

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

class CompileProgramTest : public ::testing::Test {
protected:
    CompileProgramTest() { app_->Instructions = testing::ShippedInstructionSet(); }

    bool Compile(const std::string& text) {
        editor.text = text;
        return compiler.CompileProgram(stopRequested);
    }
    bool stopRequested = false;

    Bytes MemoryAt(int address, int count) const {
        Bytes bytes;
        for (int i = 0; i < count; ++i) bytes.push_back(memory()[static_cast<std::size_t>(address + i)]);
        return bytes;
    }

    // The text an error would select in the editor.
    std::string ErrorSpan() const {
        return editor.text.substr(static_cast<std::size_t>(tables.ErrorStart),
                                  static_cast<std::size_t>(tables.ErrorEnd - tables.ErrorStart));
    }

    std::int32_t LineAddress(int line) const { return tables.LineAddress(line); }
    // One of the line tables, entries 0 to LineCount + 1.
    std::vector<std::int32_t> Column(std::int32_t (AssemblyTables::*table)(std::int32_t) const) const {
        std::vector<std::int32_t> entries;
        for (std::int32_t n = 0; n <= tables.LineCount + 1; ++n) entries.push_back((tables.*table)(n));
        return entries;
    }
    std::array<std::uint8_t, kMemorySize>& memory() const { return app_->Processor.Memory; }

    std::unique_ptr<TestState> app_ = std::make_unique<TestState>();
    AssemblyTables& tables = app_->Assembly;
    fakes::FakeEditor editor;
    fakes::FakeStatusBar status;
    fakes::FakeEventPump events;
    Compiler compiler{app_->Processor, app_->Instructions, tables, editor, status, events};
};

TEST_F(CompileProgramTest, EmptySourceBecomesOneLineBreakAndHasNoCode) {
    ASSERT_TRUE(Compile(""));
    EXPECT_EQ(editor.text, "\r\n");
    EXPECT_EQ(editor.textChanges, 1);
    EXPECT_EQ(tables.LineCount, 1);
    EXPECT_EQ(tables.StartAddress, -1);
    EXPECT_EQ(Column(&AssemblyTables::LineAddress), (std::vector<std::int32_t>{-1, -1, -1}));
    EXPECT_EQ(status.Panel1History(), (std::vector<std::string>{"Compiling ...", ""}));
    EXPECT_FALSE(tables.RecompileNeeded);
}

TEST_F(CompileProgramTest, MissingFinalLineBreakIsWrittenBackWithTheCaretKept) {
    editor.text = "MVI A,5\r\nHLT";
    editor.SetSelStart(4);
    ASSERT_TRUE(compiler.CompileProgram());
    EXPECT_EQ(editor.text, "MVI A,5\r\nHLT\r\n");
    EXPECT_EQ(editor.textChanges, 1);
    EXPECT_EQ(editor.selStart, 4);
    EXPECT_EQ(tables.LineCount, 2);

    // A text that already ends in a line break is left alone.
    editor.SetSelStart(7);
    ASSERT_TRUE(compiler.CompileProgram());
    EXPECT_EQ(editor.textChanges, 1);
    EXPECT_EQ(editor.selStart, 7);
}

TEST_F(CompileProgramTest, CodeGoesToTheDefaultOriginAndTheLineTablesDescribeEveryLine) {
    memory()[0x1005] = 0xAA;
    app_->Processor.Register(RegA) = 0x77;
    const std::string text = "\tmvi a,05h ; load\r\n\r\n;note\r\nloop: dcr a\r\n  jnz loop\r\n";
    ASSERT_TRUE(Compile(text));
    EXPECT_EQ(MemoryAt(0x1000, 6), (Bytes{0x3E, 0x05, 0x3D, 0xC2, 0x02, 0x10}));
    EXPECT_EQ(tables.StartAddress, 0x1000);
    EXPECT_EQ(compiler.LocationCounter(), 0x1006);
    EXPECT_EQ(tables.LineCount, 5);
    EXPECT_EQ(Column(&AssemblyTables::LineAddress),
              (std::vector<std::int32_t>{-1, 0x1000, -1, -1, 0x1002, 0x1003, -1}));
    EXPECT_EQ(Column(&AssemblyTables::LineStart), (std::vector<std::int32_t>{0, 0, 19, 21, 28, 41, 0}));
    EXPECT_EQ(Column(&AssemblyTables::LineLength), (std::vector<std::int32_t>{0, 20, 3, 8, 14, 13, 0}));
    // LineLength - 1 characters from LineStart are the line with its CR LF.
    EXPECT_EQ(text.substr(28, 13), "loop: dcr a\r\n");
    EXPECT_EQ(compiler.InstructionLength(1), 2);
    EXPECT_EQ(compiler.InstructionLength(2), 0);
    EXPECT_EQ(compiler.InstructionLength(5), 3);
    // Registers are not touched.
    EXPECT_EQ(app_->Processor.Register(RegA), 0x77);
}

TEST_F(CompileProgramTest, LabelsTakeTheAddressOfTheNextByte) {
    ASSERT_TRUE(Compile("FIRST:\r\n;c\r\n\r\nLXI H,5\r\nMID: NOP\r\nLAST:\r\n"));
    ASSERT_EQ(compiler.LabelCount(), 3u);
    EXPECT_EQ(compiler.Label(0).Name, "FIRST");
    EXPECT_EQ(compiler.Label(0).Address, 0x1000);
    EXPECT_EQ(compiler.Label(1).Address, 0x1003);
    EXPECT_EQ(compiler.Label(2).Name, "LAST");
    EXPECT_EQ(compiler.Label(2).Address, 0x1004);
}

TEST_F(CompileProgramTest, EveryReferenceIsFilledInTheSecondPassLowByteFirst) {
    ASSERT_TRUE(Compile("start: jmp later\r\n;ORG 2345H\r\nlater: call start\r\nLDA LATER\r\n"));
    EXPECT_EQ(MemoryAt(0x1000, 3), (Bytes{0xC3, 0x45, 0x23}));
    EXPECT_EQ(MemoryAt(0x2345, 6), (Bytes{0xCD, 0x00, 0x10, 0x3A, 0x45, 0x23}));
    ASSERT_EQ(compiler.ReferenceCount(), 3u);
    EXPECT_EQ(compiler.Reference(1).Label, "START");
    EXPECT_EQ(compiler.Reference(1).Address, 0x2346);
    EXPECT_EQ(compiler.Reference(1).LineStart, 30);
}

TEST_F(CompileProgramTest, EachLineKeepsItsOwnBytesEvenWhenOtherCodeGoesOverThem) {
    const auto bytesOf = [&](int line) {
        const auto span = compiler.InstructionBytes(line);
        return Bytes(span.begin(), span.end());
    };
    ASSERT_TRUE(Compile("JMP THERE\r\n;ORG 1001H\r\nTHERE: MVI A,7\r\n"));
    EXPECT_EQ(bytesOf(1), (Bytes{0xC3, 0x01, 0x10}));
    EXPECT_EQ(bytesOf(2), Bytes{});
    EXPECT_EQ(bytesOf(3), (Bytes{0x3E, 0x07}));
    // The second pass writes the address last, over the MVI's bytes.
    EXPECT_EQ(MemoryAt(0x1000, 3), (Bytes{0xC3, 0x01, 0x10}));
    EXPECT_EQ(compiler.InstructionBytes(0).size(), 0u);
    EXPECT_EQ(compiler.InstructionBytes(99).size(), 0u);

    ASSERT_FALSE(Compile("JMP ELSEWHERE\r\n"));
    EXPECT_EQ(bytesOf(1), (Bytes{0xC3, 0x38, 0x38}));
}

TEST_F(CompileProgramTest, LabelsAreCaseInsensitiveButOtherwiseComparedExactly) {
    ASSERT_FALSE(Compile("loop: nop\r\nLOOP: nop\r\n"));
    EXPECT_EQ(tables.CompileError, kDuplicateLabel);
    EXPECT_EQ(ErrorSpan(), "LOOP: nop\r\n");

    // Latin-1 letters are upper-cased as well.
    ASSERT_FALSE(Compile("caf\xE9: nop\r\nCAF\xC9: nop\r\n"));
    EXPECT_EQ(tables.CompileError, kDuplicateLabel);

    // A tab before the colon is part of the label's name, so LOOP is a different label.
    ASSERT_TRUE(Compile("LOOP\t: NOP\r\nLOOP: NOP\r\nJMP LOOP\r\n"));
    EXPECT_EQ(MemoryAt(0x1002, 3), (Bytes{0xC3, 0x01, 0x10}));
}

TEST_F(CompileProgramTest, BreakpointMarkersRecordTheLocationCounter) {
    ASSERT_TRUE(Compile(
        "NOP\r\n;BREAK\r\nNOP\r\n  ;break here\r\n;BREAKPOINT\r\n;BREAK\r\n;ORG 2000H\r\nNOP\r\n;#\r\nNOP ;BREAK\r\n"
        ";# here\r\n;BRE\r\nLBL: ;BREAK\r\nHLT\r\n"));
    EXPECT_EQ(tables.BreakpointCount, 5);
    EXPECT_EQ(tables.Breakpoints, (std::vector<std::int32_t>{0, 0x1001, 0x1002, 0x1002, 0x1002, 0x2001}));

    // A new assembly starts a new table.
    ASSERT_TRUE(Compile("NOP\r\n"));
    EXPECT_EQ(tables.BreakpointCount, 0);
    EXPECT_EQ(tables.Breakpoints, (std::vector<std::int32_t>{0}));
}

TEST_F(CompileProgramTest, OriginDirectiveTakesTheWholeRestOfTheLine) {
    ASSERT_TRUE(Compile(";ORG 2000H\r\nNOP\r\n;Org 3000h\r\nNOP\r\n;ORG4000\r\nNOP\r\n;ORG \t0FFFFH\t\r\nEND:\r\n"));
    EXPECT_EQ(LineAddress(2), 0x2000);
    EXPECT_EQ(LineAddress(4), 0x3000);
    EXPECT_EQ(LineAddress(6), 0x4000);
    EXPECT_EQ(tables.StartAddress, 0x2000);
    EXPECT_EQ(compiler.Label(compiler.LabelCount() - 1).Address, 0xFFFF);

    for (const char* bad : {";ORG", ";ORG   ", ";ORG 20G0", ";ORG 2000 ;start", ";ORG FFFF", ";ORG -1"}) {
        ASSERT_FALSE(Compile(std::string("NOP\r\n") + bad + "\r\nNOP\r\n")) << bad;
        EXPECT_EQ(tables.CompileError, kInvalidAddress) << bad;
        EXPECT_EQ(ErrorSpan(), std::string(bad) + "\r\n");
        EXPECT_EQ(status.Panel(1), "Compiling ...");
    }
    // A directive word after code is comment text.
    ASSERT_TRUE(Compile("NOP ;ORG 3000H\r\nNOP\r\n"));
    EXPECT_EQ(LineAddress(2), 0x1001);
}

TEST_F(CompileProgramTest, OriginsBeyondTheMemoryAreRefusedBeforeAnythingIsStored) {
    memory().fill(0x11);
    for (const char* origin : {"10000H", "10000", "FFFFFFFFH", "123456789ABCDEF0123456789H"}) {
        ASSERT_FALSE(Compile(std::string("HERE:\r\n;ORG ") + origin + "\r\nTHERE: MVI A,1\r\nJMP THERE\r\n")) << origin;
        EXPECT_EQ(tables.CompileError, kInvalidAddress);
        EXPECT_EQ(tables.ErrorStart, 7);
        ASSERT_EQ(compiler.LabelCount(), 1u);
        EXPECT_EQ(compiler.ReferenceCount(), 0u);
        EXPECT_EQ(tables.StartAddress, -1);
    }
    for (std::size_t a = 0; a < memory().size(); ++a) ASSERT_EQ(memory()[a], 0x11) << a;
}

TEST_F(CompileProgramTest, TheLocationCounterNeverPassesTheLastAddress) {
    memory()[0x0000] = 0x99;
    ASSERT_FALSE(Compile(";ORG 0FFFEH\r\nLXI H,1234H\r\nNOP\r\n"));
    EXPECT_EQ(tables.CompileError, kCodeExceedsRam);
    EXPECT_EQ(ErrorSpan(), "LXI H,1234H\r\n");
    EXPECT_EQ(MemoryAt(0xFFFE, 2), (Bytes{0x21, 0x34}));
    EXPECT_EQ(memory()[0], 0x99);
    EXPECT_EQ(LineAddress(2), 0xFFFE);

    ASSERT_FALSE(Compile(";ORG 0FFFDH\r\nLXI H,5678H\r\n"));
    EXPECT_EQ(tables.CompileError, kCodeExceedsRam);
    EXPECT_EQ(MemoryAt(0xFFFD, 3), (Bytes{0x21, 0x78, 0x56}));
    EXPECT_EQ(memory()[0], 0x99);

    // Even a single byte at FFFFH moves the counter past the end.
    ASSERT_FALSE(Compile(";ORG 0FFFFH\r\nHLT\r\n"));
    EXPECT_EQ(tables.CompileError, kCodeExceedsRam);
    EXPECT_EQ(memory()[0xFFFF], 0x76);

    // A label reference whose placeholders end at FFFFH is never filled.
    ASSERT_FALSE(Compile(";ORG 0FFFDH\r\nJMP THERE\r\nTHERE:\r\n"));
    EXPECT_EQ(tables.CompileError, kCodeExceedsRam);
    EXPECT_EQ(MemoryAt(0xFFFD, 3), (Bytes{0xC3, 0x38, 0x38}));

    ASSERT_TRUE(Compile(";ORG 0FFFCH\r\nLXI H,1234H\r\nLAST:\r\n"));
    EXPECT_EQ(compiler.Label(0).Address, 0xFFFF);
}

TEST_F(CompileProgramTest, ParserErrorsSelectTheLineWithItsLineBreakAndSayCompileError) {
    for (const auto& [line, message] : std::vector<std::pair<std::string, std::string>>{
             {"  mov a,q  ", kInvalidMnemonic},
             {"AB: NOP", kInvalidLabelName},
             {"MVI A,12345H", kHexTooLong},
         }) {
        ASSERT_FALSE(Compile("MVI A,1\r\n; fine\r\n" + line + "\r\nHLT\r\n")) << line;
        EXPECT_EQ(tables.CompileError, message);
        EXPECT_EQ(ErrorSpan(), line + "\r\n");
        EXPECT_EQ(status.Panel(1), "Compile error");
        // What came before the failing line stays; later lines have no entries.
        EXPECT_EQ(MemoryAt(0x1000, 2), (Bytes{0x3E, 0x01}));
        EXPECT_EQ(tables.StartAddress, 0x1000);
        EXPECT_EQ(LineAddress(1), 0x1000);
        EXPECT_EQ(LineAddress(3), -1);
        EXPECT_EQ(tables.LineStart(4), 0);
        EXPECT_EQ(tables.LineLength(4), 0);
        EXPECT_EQ(tables.Lines.size(), 6u);
    }
}

TEST_F(CompileProgramTest, UnknownLabelsAreReportedAfterTheFirstPassAtTheFirstReference) {
    // An error later in the source comes first.
    ASSERT_FALSE(Compile("JMP NOWHERE\r\nBAD\r\n"));
    EXPECT_EQ(tables.CompileError, kInvalidMnemonic);

    ASSERT_FALSE(Compile("JMP AHEAD\r\nCALL MISSING ; c\r\nJMP GONE\r\nJMP AHEAD\r\nAHEAD: HLT\r\n"));
    EXPECT_EQ(tables.CompileError, kUnknownLabel);
    EXPECT_EQ(ErrorSpan(), "CALL MISSING ; c");
    EXPECT_EQ(tables.ErrorStart, 11);
    // References before it are filled; it and the later ones keep their placeholders.
    EXPECT_EQ(MemoryAt(0x1000, 12), (Bytes{0xC3, 0x0C, 0x10, 0xCD, 0x38, 0x38, 0xC3, 0x38, 0x38, 0xC3, 0x38, 0x38}));
    EXPECT_EQ(status.Panel(1), "Compiling ...");
    EXPECT_TRUE(tables.RecompileNeeded);
}

TEST_F(CompileProgramTest, OnlyASuccessfulAssemblyClearsRecompileNeeded) {
    ASSERT_TRUE(Compile("NOP\r\n"));
    EXPECT_FALSE(tables.RecompileNeeded);
    for (const char* bad : {"XYZ\r\n", "JMP NOWHERE\r\n", "A: B:\r\n", ";ORG 12345H\r\n", "L1X:\r\nL1X:\r\n"}) {
        tables.RecompileNeeded = false;
        EXPECT_FALSE(Compile(bad)) << bad;
        EXPECT_TRUE(tables.RecompileNeeded) << bad;
    }
}

TEST_F(CompileProgramTest, EventsRunAfterEveryHundredthLineAndStopEndsTheAssemblyThere) {
    std::string text;
    for (int i = 0; i < 250; ++i) text += "NOP\r\n";
    ASSERT_TRUE(Compile(text));
    EXPECT_EQ(events.calls, 2);

    events.calls = 0;
    events.onEvents = [&] { stopRequested = true; };
    tables.RecompileNeeded = false;
    EXPECT_FALSE(Compile(text));
    EXPECT_EQ(events.calls, 1);
    EXPECT_EQ(tables.CompileError, "");
    EXPECT_TRUE(tables.RecompileNeeded);
    EXPECT_EQ(LineAddress(100), 0x1000 + 99);
    EXPECT_EQ(LineAddress(101), -1);
    EXPECT_EQ(tables.ErrorStart, 500);

    // A stop requested before the assembly is seen only at line 100; short sources finish.
    events.onEvents = nullptr;
    stopRequested = true;
    EXPECT_TRUE(Compile("NOP\r\n"));
}

TEST_F(CompileProgramTest, AssemblingTwiceGivesTheSameResult) {
    const std::string text = "XA1: MVI A,3\r\n;BREAK\r\nJMP XA2\r\n;ORG 3000H\r\nXA2: DCR A\r\nJNZ XA2\r\nHLT\r\n";
    ASSERT_TRUE(Compile(text));
    const auto firstMemory = memory();
    const AssemblyTables first = tables;
    ASSERT_TRUE(Compile(text));
    EXPECT_EQ(memory(), firstMemory);
    EXPECT_EQ(tables.Lines, first.Lines);
    for (std::int32_t n = 0; n <= tables.LineCount + 1; ++n) EXPECT_EQ(tables.LineStart(n), first.LineStart(n));
    EXPECT_EQ(tables.Breakpoints, first.Breakpoints);
    EXPECT_EQ(tables.StartAddress, first.StartAddress);
}

TEST_F(CompileProgramTest, OnlyCrLfEndsALine) {
    // A lone CR or LF inside a line is an ordinary character, which fits no instruction.
    ASSERT_FALSE(Compile("NOP\r\nNOP\nHLT\r\n"));
    EXPECT_EQ(tables.LineCount, 2);
    EXPECT_EQ(tables.CompileError, kInvalidMnemonic);
    EXPECT_EQ(ErrorSpan(), "NOP\nHLT\r\n");

    // A text ending in a lone LF keeps its last piece as a line of its own rather than dropping it.
    ASSERT_FALSE(Compile("NOP\r\nHLT\n"));
    EXPECT_EQ(editor.textChanges, 0);
    EXPECT_EQ(tables.LineCount, 2);
    EXPECT_EQ(tables.ErrorStart, 5);
    EXPECT_EQ(tables.ErrorEnd, 9);

    ASSERT_FALSE(Compile("\n"));
    EXPECT_EQ(tables.LineCount, 1);
    EXPECT_EQ(tables.CompileError, kInvalidMnemonic);
}

TEST_F(CompileProgramTest, ManyLabelsResolveToTheirOwnDefinitionsAndEveryLineKeepsItsPlace) {
    std::string text;
    for (int i = 0; i < 3000; ++i) {
        const std::string name = "LBL" + std::to_string(i);
        text += "JMP LBL" + std::to_string((i * 7919) % 3000) + "\r\n" + name + ":\r\n";
        if (i % 700 == 0) text += ";" + std::string(250 + i / 10, '-') + "\r\n";  // lines of 255 characters and more
    }
    ASSERT_TRUE(Compile(text));
    for (int i = 0; i < 3000; ++i) {
        const int target = (i * 7919) % 3000;
        const int address = 0x1000 + 3 * (target + 1);
        ASSERT_EQ(MemoryAt(0x1000 + 3 * i, 3), (Bytes{0xC3, address & 0xFF, address >> 8})) << i;
    }
    // Each line starts where the one before it ended, and an instruction line's bytes are memory's.
    std::size_t start = 0;
    for (std::int32_t n = 1; n <= tables.LineCount; ++n) {
        const std::size_t end = text.find("\r\n", start) + 2;
        ASSERT_EQ(tables.LineStart(n), static_cast<std::int32_t>(start)) << n;
        ASSERT_EQ(tables.LineLength(n), static_cast<std::int32_t>(end - start + 1)) << n;
        const auto bytes = compiler.InstructionBytes(n);
        if (tables.LineAddress(n) >= 0) {
            ASSERT_EQ(Bytes(bytes.begin(), bytes.end()), MemoryAt(tables.LineAddress(n), 3)) << n;
        }
        start = end;
    }
}

}  // namespace
}  // namespace vantric
