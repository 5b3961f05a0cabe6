// CompileProgram: the two passes over the editor's text, the tables they leave, their errors and
// the spans those errors select, the write-back of a missing final line break, and the Stop check.

#include <gtest/gtest.h>

#include <algorithm>
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
        tables.RecompileNeeded = false;
        return compiler.CompileProgram(stopRequested);
    }
    // A failed assembly with `message`; always asks for a new assembly.
    void ExpectError(const std::string& text, const char* message) {
        EXPECT_FALSE(Compile(text)) << text;
        EXPECT_EQ(tables.CompileError, message) << text;
        EXPECT_TRUE(tables.RecompileNeeded) << text;
    }
    Bytes MemoryAt(int address, int count) const {
        return Bytes(memory().begin() + address, memory().begin() + address + count);
    }
    Bytes BytesOf(int line) const {
        const auto span = compiler.InstructionBytes(line);
        return Bytes(span.begin(), span.end());
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
    std::array<std::uint8_t, kMemorySize>& memory() const { return app_->Processor.Memory; }

    bool stopRequested = false;
    std::unique_ptr<TestState> app_ = std::make_unique<TestState>();
    AssemblyTables& tables = app_->Assembly;
    fakes::FakeEditor editor;
    fakes::FakeStatusBar status;
    fakes::FakeEventPump events;
    Compiler compiler{app_->Processor, app_->Instructions, tables, editor, status, events};
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

TEST_F(CompileProgramTest, CodeLabelsAndReferencesFillTheLineTablesAndMemory) {
    memory()[0x1006] = 0xAA;
    app_->Processor.Register(RegA) = 0x77;
    const std::string text = "\tmvi a,05h ; load\r\n\r\n;note\r\nloop: dcr a\r\n  jnz loop\r\nEND:\r\n";
    ASSERT_TRUE(Compile(text));
    EXPECT_EQ(MemoryAt(0x1000, 7), (Bytes{0x3E, 0x05, 0x3D, 0xC2, 0x02, 0x10, 0xAA}));
    EXPECT_EQ(Column(&AssemblyTables::LineAddress),
              (std::vector<std::int32_t>{-1, 0x1000, -1, -1, 0x1002, 0x1003, -1, -1}));
    EXPECT_EQ(Column(&AssemblyTables::LineStart), (std::vector<std::int32_t>{0, 0, 19, 21, 28, 41, 53, 0}));
    EXPECT_EQ(Column(&AssemblyTables::LineLength), (std::vector<std::int32_t>{0, 20, 3, 8, 14, 13, 7, 0}));
    EXPECT_EQ(BytesOf(1), (Bytes{0x3E, 0x05}));
    EXPECT_EQ(compiler.InstructionLength(99), 0);
    EXPECT_EQ(compiler.Label(1).Address, 0x1006);
    EXPECT_EQ(app_->Processor.Register(RegA), 0x77);  // registers are not touched
    EXPECT_FALSE(tables.RecompileNeeded);

    // Each line keeps its own bytes, low byte first, when other code goes over them; the second pass
    // writes the address last.
    ASSERT_TRUE(Compile("JMP THERE\r\n;ORG 1001H\r\nTHERE: MVI A,7\r\nLDA THERE\r\n"));
    EXPECT_EQ(BytesOf(1), (Bytes{0xC3, 0x01, 0x10}));
    EXPECT_EQ(BytesOf(3), (Bytes{0x3E, 0x07}));
    EXPECT_EQ(MemoryAt(0x1000, 6), (Bytes{0xC3, 0x01, 0x10, 0x3A, 0x01, 0x10}));
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

TEST_F(CompileProgramTest, ManyLabelsResolveToTheirOwnDefinitionsAndEveryLineKeepsItsPlace) {
    std::string text;
    for (int i = 0; i < 3000; ++i) {
        text += "JMP LBL" + std::to_string((i * 7919) % 3000) + "\r\nLBL" + std::to_string(i) + ":\r\n";
        if (i % 700 == 0) text += ";" + std::string(250 + i / 10, '-') + "\r\n";  // lines of 255 characters and more
    }
    ASSERT_TRUE(Compile(text));
    std::size_t start = 0;
    for (std::int32_t n = 1, i = 0; n <= tables.LineCount; ++n) {
        const std::size_t end = text.find("\r\n", start) + 2;
        ASSERT_EQ(tables.LineStart(n), static_cast<std::int32_t>(start)) << n;
        ASSERT_EQ(tables.LineLength(n), static_cast<std::int32_t>(end - start + 1)) << n;
        if (tables.LineAddress(n) >= 0) {
            const int address = 0x1000 + 3 * ((i++ * 7919) % 3000 + 1);
            ASSERT_EQ(BytesOf(n), (Bytes{0xC3, address & 0xFF, address >> 8})) << n;
            ASSERT_EQ(BytesOf(n), MemoryAt(tables.LineAddress(n), 3)) << n;
        }
        start = end;
    }
}

}  // namespace
}  // namespace vantric
