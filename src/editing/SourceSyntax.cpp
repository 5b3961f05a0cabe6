#include "editing/SourceSyntax.h"

#include <algorithm>
#include <array>

#include "assembler/Compiler.h"
#include "core/TextCase.h"
#include "core/TextScan.h"

namespace vantric {

namespace {

// Where the line's text begins and ends without its blanks.
std::string_view Trimmed(std::string_view line, std::size_t& first) {
    const std::string_view trimmed = TrimBlanks(line);
    first = trimmed.empty() ? line.size() : static_cast<std::size_t>(trimmed.data() - line.data());
    return trimmed;
}

bool StartsWithUpper(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (ToUpperChar(text[i]) != prefix[i]) return false;
    return true;
}

bool IsRegister(std::string_view word) {
    return word == "A" || word == "B" || word == "C" || word == "D" || word == "E" || word == "H" || word == "L" ||
           word == "M" || word == "SP" || word == "PSW";
}

bool IsDataWord(std::string_view word) { return word == "DB" || word == "DW" || word == "DS"; }

bool IsOperandSeparator(char c) { return IsBlank(c) || c == ','; }

}  // namespace

void SourceSyntax::SetInstructions(const InstructionTable& instructions) {
    mnemonics_.clear();
    for (const InstructionDef& row : instructions)
        if (!row.Mnemonic.empty()) mnemonics_.insert(row.Mnemonic);
}

bool SourceSyntax::IsBreakpointLine(std::string_view line) {
    const std::string_view code = TrimBlanks(line);
    return StartsWithUpper(code, ";BREAK") || code == ";#";
}

void SourceSyntax::Classify(std::string_view line, std::vector<SyntaxSpan>& spans) const {
    spans.clear();
    std::size_t first = 0;
    const std::string_view code = Trimmed(line, first);
    const auto add = [&spans](std::size_t start, std::size_t end, SyntaxKind kind) {
        if (end > start) spans.push_back({static_cast<int>(start), static_cast<int>(end - start), kind});
    };
    if (IsBreakpointLine(code) || StartsWithUpper(code, ";ORG")) {
        add(first, first + code.size(), SyntaxKind::Directive);
        return;
    }
    const std::size_t semicolon = line.find(';');
    const std::size_t codeEnd = semicolon == std::string_view::npos ? line.size() : semicolon;

    std::size_t pos = first;
    const std::size_t colon = line.substr(0, codeEnd).find(':');
    if (colon != std::string_view::npos) {
        add(pos, colon + 1, SyntaxKind::Label);
        pos = colon + 1;
    }
    while (pos < codeEnd && IsBlank(line[pos])) ++pos;

    // Only a space ends the mnemonic, as in the assembler: a tab makes it a word no instruction has.
    const std::size_t wordStart = pos;
    std::size_t wordEnd = pos;
    while (wordEnd < codeEnd && line[wordEnd] != ' ') ++wordEnd;
    const std::size_t mnemonicStart = spans.size();
    const auto upper = [this, line](std::size_t start, std::size_t end) -> const std::string& {
        upper_.assign(line.substr(start, end - start));
        for (char& c : upper_) c = ToUpperChar(c);
        return upper_;
    };
    const std::string& mnemonic = upper(pos, wordEnd);
    if (mnemonics_.count(mnemonic) != 0)
        add(pos, wordEnd, SyntaxKind::Mnemonic);
    else if (IsDataWord(mnemonic))
        add(pos, wordEnd, SyntaxKind::DataDirective);
    pos = wordEnd;

    bool firstOperand = true;
    while (pos < codeEnd) {
        if (IsOperandSeparator(line[pos])) {
            ++pos;
            continue;
        }
        std::size_t end = pos + 1;
        if (line[pos] == '\'' || line[pos] == '"') {
            while (end < codeEnd && line[end] != line[pos]) ++end;
            end = std::min(end + 1, codeEnd);
            add(pos, end, SyntaxKind::Text);
        } else {
            while (end < codeEnd && !IsOperandSeparator(line[end])) ++end;
            const std::string& word = upper(pos, end);
            if (firstOperand && word == "EQU" && spans.size() == mnemonicStart) {
                // NAME EQU value: the first word names a constant.
                add(wordStart, wordEnd, SyntaxKind::Label);
                add(pos, end, SyntaxKind::DataDirective);
            } else if (IsRegister(word)) {
                add(pos, end, SyntaxKind::Register);
            } else if (ParseHexNumber(word) >= 0) {
                add(pos, end, SyntaxKind::Number);
            } else {
                add(pos, end, SyntaxKind::Label);
            }
        }
        firstOperand = false;
        pos = end;
    }
    if (semicolon != std::string_view::npos) add(semicolon, line.size(), SyntaxKind::Comment);
}

std::uint32_t SyntaxColour(SyntaxKind kind, bool darkBackground) {
    // Light background first, dark second; each pair keeps the same hue so a program reads alike in both.
    static constexpr std::array<std::array<std::uint32_t, 2>, kSyntaxKindCount> kColours{{
        {0x00008B, 0x82AAFF},  // Mnemonic: dark blue / light blue
        {0x7B1FA2, 0xD7A6F0},  // DataDirective: purple
        {0x8B4513, 0xF0B070},  // Register: brown / amber
        {0x006400, 0x9CDC7C},  // Number: green
        {0xA31515, 0xF08C8C},  // Text: red
        {0x00707A, 0x5FD7D7},  // Label: teal
        {0x707070, 0x9A9A9A},  // Comment: grey
        {0xB00060, 0xFF7FBF},  // Directive: magenta
    }};
    return kColours[static_cast<std::size_t>(kind)][darkBackground ? 1 : 0];
}

}  // namespace vantric
