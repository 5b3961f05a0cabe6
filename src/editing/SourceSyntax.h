#pragma once
// What each piece of a source line is, for colouring it: read with the assembler's own rules, so a
// directive looks different from a comment exactly when the assembler treats it as one.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "core/InstructionTable.h"
#include "editing/ColourLightness.h"

namespace vantric {

enum class SyntaxKind : std::uint8_t {
    Mnemonic,       // an instruction of the instruction set
    DataDirective,  // DB, DW, DS, EQU
    Register,       // A B C D E H L M SP PSW as an operand
    Number,         // a hexadecimal number as the assembler reads it
    Text,           // quoted text of a DB line
    Label,          // a label defined before ':', a constant's name before EQU, or a name used as operand
    Comment,        // from the first ';' to the end of the line
    Directive,      // a whole ;ORG, ;BREAK or ;# line
};
inline constexpr int kSyntaxKindCount = 8;

struct SyntaxSpan {
    int Start = 0;
    int Length = 0;
    SyntaxKind Kind = SyntaxKind::Comment;
};

class SourceSyntax {
public:
    // Knows the mnemonics of `instructions` (none while it is empty).
    void SetInstructions(const InstructionTable& instructions);

    // The coloured pieces of one line (8-bit characters, without its line break), left to right;
    // characters outside every span are plain.
    void Classify(std::string_view line, std::vector<SyntaxSpan>& spans) const;

    // True for a line the assembler takes as a breakpoint: ";BREAK..." or ";#" alone.
    static bool IsBreakpointLine(std::string_view line);

private:
    std::unordered_set<std::string> mnemonics_;
    mutable std::string upper_;  // a word in upper case, kept to save an allocation per word
};

// The colour (0xRRGGBB) of a kind of piece, on a light or on a dark editor background.
std::uint32_t SyntaxColour(SyntaxKind kind, bool darkBackground);

}  // namespace vantric
