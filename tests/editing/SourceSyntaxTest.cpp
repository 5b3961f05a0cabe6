// Colouring reads a line as the assembler does: a directive only where the assembler obeys it, a
// mnemonic only where a space ends it, a comment from the first ';'.

#include "editing/SourceSyntax.h"

#include <gtest/gtest.h>

namespace vantric {
namespace {

// Each span as "text=kind", kinds M d R N T L C # in the order of SyntaxKind.
std::string Spans(const SourceSyntax& syntax, std::string_view line) {
    std::vector<SyntaxSpan> spans;
    syntax.Classify(line, spans);
    std::string shown;
    for (const SyntaxSpan& span : spans)
        shown +=
            std::string(line.substr(span.Start, span.Length)) + "=" + "MdRNTLC#"[static_cast<int>(span.Kind)] + " ";
    return shown;
}

TEST(SourceSyntaxTest, ColoursEachWordAsTheAssemblerReadsItReadablyOnLightAndDark) {
    InstructionTable table;
    table[0x3E] = {"MVI", "A", "8"};
    table[0x00] = {"NOP", "", ""};
    SourceSyntax syntax;
    syntax.SetInstructions(table);
    EXPECT_EQ(Spans(syntax, "loop: mvi a,0FFh ; set"), "loop:=L mvi=M a=R 0FFh=N ; set=C ");
    EXPECT_EQ(Spans(syntax, "  ;break here "), ";break here=# ");
    EXPECT_EQ(Spans(syntax, "\t;# "), ";#=# ");
    EXPECT_EQ(Spans(syntax, ";Org 1000H"), ";Org 1000H=# ");
    EXPECT_EQ(Spans(syntax, ";#x"), ";#x=C ");
    EXPECT_EQ(Spans(syntax, "NOP ;BREAK"), "NOP=M ;BREAK=C ");
    EXPECT_EQ(Spans(syntax, "MVI\tA,1"), "");  // the tab belongs to the mnemonic, which no instruction has
    EXPECT_EQ(Spans(syntax, "size equ 10h"), "size=L equ=d 10h=N ");
    EXPECT_EQ(Spans(syntax, "T: DB 'a,b',12H,lbl,SP"), "T:=L DB=d 'a,b'=T 12H=N lbl=L SP=R ");
    EXPECT_EQ(Spans(syntax, "DB 'a;b'"), "DB=d 'a=T ;b'=C ");
    // Every colour is readable on the background it is for.
    EXPECT_TRUE(IsDarkColour(0x303030) && !IsDarkColour(0xFFFFC0));
    for (int kind = 0; kind < kSyntaxKindCount; ++kind) {
        EXPECT_TRUE(IsDarkColour(SyntaxColour(static_cast<SyntaxKind>(kind), false))) << kind;
        EXPECT_FALSE(IsDarkColour(SyntaxColour(static_cast<SyntaxKind>(kind), true))) << kind;
    }
}

}  // namespace
}  // namespace vantric
