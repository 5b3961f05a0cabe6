#include "assembler/Compiler.h"

#include <cstring>

#include "core/TextCase.h"

namespace vantric {

namespace {

constexpr std::int64_t kFirstTooLong = 0x10000;  // numbers from here on do not fit an operand
constexpr std::int32_t kLastAddress = 0xFFFF;

// Position of the CR of the first CR LF at or after `from`, or npos.
std::size_t FindLineBreak(const std::string& text, std::size_t from) {
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    const char* p = begin + from;
    while (p < end) {
        const auto* lf = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
        if (lf == nullptr) return std::string::npos;
        if (lf > begin + from && lf[-1] == '\r') return static_cast<std::size_t>(lf - 1 - begin);
        p = lf + 1;
    }
    return std::string::npos;
}

// Lines of the text: one per CR LF, plus the rest after the last CR LF when there is any (only a
// text that ends in a lone LF has such a rest).
std::int32_t CountLines(const std::string& text) {
    std::int32_t count = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const auto cr = FindLineBreak(text, pos);
        ++count;
        pos = cr == std::string::npos ? text.size() : cr + 2;
    }
    return count;
}

std::string_view KindOf(std::int64_t value, std::string_view text, bool firstOperand) {
    if (value >= 0) return value <= 0xFF ? std::string_view("8") : std::string_view("16");
    if (!firstOperand || text == "PSW" || text.size() < 3) return text;
    return "AD";
}

int PatternBytes(std::string_view pattern, bool firstOperand) {
    if (pattern == "8") return 1;
    if (pattern == "16") return 2;
    if (pattern == "AD" && firstOperand) return 2;
    return 0;
}

}  // namespace

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsBlank(text[first])) ++first;
    while (last > first && IsBlank(text[last - 1])) --last;
    return text.substr(first, last - first);
}

std::int64_t ParseHexNumber(std::string_view text) {
    bool lettersAllowed = false;
    if (!text.empty() && text.back() == 'H') {
        text.remove_suffix(1);
        lettersAllowed = true;
    }
    if (text.empty()) return -1;
    std::int64_t value = 0;
    for (const char c : text) {
        int digit;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (lettersAllowed && c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else {
            return -1;
        }
        // Every further character must still be checked, so a saturated value keeps scanning.
        if (value > (kHexSaturated - digit) / 16)
            value = kHexSaturated;
        else
            value = value * 16 + digit;
    }
    return value;
}

bool OperandMatches(std::string_view kind, std::string_view pattern) {
    if (kind == pattern) return true;
    return (kind == "8" || kind == "16") && (pattern == "16" || pattern == "AD");
}

int EncodedLength(const InstructionDef& row) {
    return 1 + PatternBytes(row.Operand1, true) + PatternBytes(row.Operand2, false);
}

InstructionIndex::InstructionIndex(const InstructionTable& table) : table_(table) {
    for (std::size_t opcode = 0; opcode < table.size(); ++opcode) {
        const std::string& mnemonic = table[opcode].Mnemonic;
        if (!mnemonic.empty()) rows_[mnemonic].push_back(static_cast<std::uint8_t>(opcode));
    }
}

int InstructionIndex::Find(std::string_view mnemonic, std::string_view kind1, std::string_view kind2) const {
    const auto it = rows_.find(mnemonic);
    if (it == rows_.end()) return -1;
    for (const std::uint8_t opcode : it->second) {
        const InstructionDef& row = table_[opcode];
        if (OperandMatches(kind1, row.Operand1) && OperandMatches(kind2, row.Operand2)) return opcode;
    }
    return -1;
}

ParsedLine ParseLine(std::string_view line, const InstructionIndex& index) {
    ParsedLine result;

    const auto colon = line.find(':');
    if (colon != std::string_view::npos) {
        const std::string_view label = line.substr(0, colon);
        if (label.size() < 3 || label.find(' ') != std::string_view::npos) {
            result.Error = kInvalidLabelName;
            return result;
        }
        result.Label.assign(label);
        line = TrimBlanks(line.substr(colon + 1));
        if (line.empty()) {
            result.Outcome = LineOutcome::LabelOnly;
            return result;
        }
    }

    // Only a space separates the mnemonic from its operands; a tab stays part of the mnemonic.
    std::string_view mnemonic = line;
    std::string_view field;
    const auto space = line.find(' ');
    if (space != std::string_view::npos) {
        mnemonic = line.substr(0, space);
        field = TrimBlanks(line.substr(space + 1));
    }
    mnemonic = TrimBlanks(mnemonic);

    std::string_view operand1 = field;
    std::string_view operand2;
    const auto comma = field.find(',');
    if (comma != std::string_view::npos) {
        operand1 = TrimBlanks(field.substr(0, comma));
        operand2 = TrimBlanks(field.substr(comma + 1));
    }

    const std::int64_t value1 = ParseHexNumber(operand1);
    const std::int64_t value2 = ParseHexNumber(operand2);
    if (value1 >= kFirstTooLong || value2 >= kFirstTooLong) {
        result.Error = kHexTooLong;
        return result;
    }
    const std::string_view kind1 = KindOf(value1, operand1, true);
    const std::string_view kind2 = KindOf(value2, operand2, false);

    const int opcode = index.Find(mnemonic, kind1, kind2);
    if (opcode < 0) {
        result.Error = kInvalidMnemonic;
        return result;
    }

    // The matched row's pattern words decide the bytes, not the operands' kinds.
    const InstructionDef& row = index.Table()[static_cast<std::size_t>(opcode)];
    auto& bytes = result.Bytes;
    int& count = result.ByteCount;
    bytes[static_cast<std::size_t>(count++)] = static_cast<std::uint8_t>(opcode);
    const auto put = [&](std::int64_t value, int width) {
        for (int i = 0; i < width; ++i)
            bytes[static_cast<std::size_t>(count++)] = static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF);
    };
    result.Outcome = LineOutcome::Bytes;
    if (row.Operand1 == "AD" && value1 < 0) {
        bytes[static_cast<std::size_t>(count++)] = kPlaceholderByte;
        bytes[static_cast<std::size_t>(count++)] = kPlaceholderByte;
        result.Reference.assign(operand1);
        result.Outcome = LineOutcome::PendingReference;
    } else {
        put(value1, PatternBytes(row.Operand1, true));
    }
    put(value2, PatternBytes(row.Operand2, false));
    return result;
}

std::span<const std::uint8_t> Compiler::InstructionBytes(std::int32_t line) const {
    if (line < 0 || static_cast<std::size_t>(line) >= instructionLength_.size()) return {};
    const auto n = static_cast<std::size_t>(line);
    return std::span<const std::uint8_t>(code_).subspan(static_cast<std::size_t>(codeOffset_[n]),
                                                        instructionLength_[n]);
}

bool Compiler::Fail(const char* message) {
    tables_.CompileError = message;
    return false;
}

bool Compiler::CompileProgram() {
    status_.SetPanelText(1, "Compiling ...");

    // Until this assembly succeeds, the memory and the tables are not those of the source.
    tables_.RecompileNeeded = true;
    ++tables_.Generation;
    tables_.CompileError.clear();
    tables_.ErrorStart = 0;
    tables_.ErrorEnd = 0;
    tables_.StartAddress = -1;
    tables_.Breakpoints.assign(1, 0);
    tables_.BreakpointCount = 0;
    locationCounter_ = static_cast<std::uint16_t>(processor_.DefaultOrigin);
    lineLabel_.clear();
    labels_.clear();
    labelIndex_.clear();
    references_.clear();

    std::string text = editor_.Text();
    if (text.empty() || text.back() != '\n') {
        const int caret = editor_.SelStart();
        text += "\r\n";
        editor_.SetText(text);
        editor_.SetSelStart(caret);
    }

    const std::int32_t lineCount = CountLines(text);
    const auto tableSize = static_cast<std::size_t>(lineCount) + 2;
    tables_.LineCount = lineCount;
    tables_.LineAddress.assign(tableSize, -1);
    tables_.LineStart.assign(tableSize, 0);
    tables_.LineLength.assign(tableSize, 0);
    instructionLength_.assign(tableSize, 0);
    codeOffset_.assign(tableSize, 0);
    code_.clear();

    const InstructionIndex index(instructions_);
    if (!FirstPass(text, index) || !SecondPass(text)) return false;

    tables_.RecompileNeeded = false;
    status_.SetPanelText(1, "");
    return true;
}

bool Compiler::FirstPass(const std::string& text, const InstructionIndex& index) {
    std::string prepared;
    std::size_t pos = 0;
    for (std::int32_t n = 1; n <= tables_.LineCount; ++n) {
        const auto cr = FindLineBreak(text, pos);
        const std::size_t contentEnd = cr == std::string::npos ? text.size() : cr;
        const std::size_t next = cr == std::string::npos ? text.size() : cr + 2;
        const auto line = static_cast<std::size_t>(n);
        tables_.ErrorStart = static_cast<std::int32_t>(pos);
        tables_.ErrorEnd = static_cast<std::int32_t>(next);
        tables_.LineStart[line] = static_cast<std::int32_t>(pos);
        tables_.LineLength[line] = static_cast<std::int32_t>(next - pos + 1);

        prepared.assign(TrimBlanks(std::string_view(text).substr(pos, contentEnd - pos)));
        for (char& c : prepared) c = ToUpperChar(c);
        std::string_view code = prepared;

        if (code.substr(0, 6) == ";BREAK" || code == ";#") {
            tables_.Breakpoints.push_back(locationCounter_);
            ++tables_.BreakpointCount;
        }
        if (code.substr(0, 4) == ";ORG") {
            // Beyond FFFFH there is no memory to place code or labels in.
            const std::int64_t origin = ParseHexNumber(TrimBlanks(code.substr(4)));
            if (origin < 0 || origin > kLastAddress) return Fail(kInvalidAddress);
            locationCounter_ = static_cast<std::int32_t>(origin);
        }
        code = code.substr(0, code.find(';'));

        if (!code.empty()) {
            ParsedLine parsed = ParseLine(code, index);
            lineLabel_ = parsed.Label;
            if (parsed.Outcome == LineOutcome::Failed) {
                status_.SetPanelText(1, "Compile error");
                tables_.CompileError = parsed.Error;
                return false;
            }
            if (!lineLabel_.empty()) {
                if (labelIndex_.contains(lineLabel_)) return Fail(kDuplicateLabel);
                labelIndex_.emplace(lineLabel_, static_cast<std::int32_t>(labels_.size()));
                labels_.push_back({lineLabel_, locationCounter_});
            }
            if (parsed.Outcome != LineOutcome::LabelOnly) {
                if (tables_.StartAddress == -1) tables_.StartAddress = locationCounter_;
                tables_.LineAddress[line] = locationCounter_;
                instructionLength_[line] = static_cast<std::uint8_t>(parsed.ByteCount);
                codeOffset_[line] = static_cast<std::int32_t>(code_.size());
                code_.insert(code_.end(), parsed.Bytes.begin(), parsed.Bytes.begin() + parsed.ByteCount);
                if (parsed.Outcome == LineOutcome::PendingReference)
                    references_.push_back({std::move(parsed.Reference), locationCounter_ + 1,
                                           tables_.ErrorStart, n});
                // The counter never passes FFFFH: storing stops at the byte that would move it there.
                for (int i = 0; i < parsed.ByteCount; ++i) {
                    processor_.Memory[static_cast<std::size_t>(locationCounter_)] =
                        parsed.Bytes[static_cast<std::size_t>(i)];
                    if (++locationCounter_ > kLastAddress) return Fail(kCodeExceedsRam);
                }
            }
        }

        tables_.ErrorStart = static_cast<std::int32_t>(next);
        pos = next;
        if (n % 100 == 0) {
            events_.ProcessEvents();
            if (tables_.StopRequested) return false;
        }
    }
    return true;
}

bool Compiler::SecondPass(const std::string& text) {
    for (const PendingReference& reference : references_) {
        const auto it = labelIndex_.find(reference.Label);
        if (it == labelIndex_.end()) {
            tables_.CompileError = kUnknownLabel;
            tables_.ErrorStart = reference.LineStart;
            const auto cr = FindLineBreak(text, static_cast<std::size_t>(reference.LineStart));
            tables_.ErrorEnd = static_cast<std::int32_t>(cr == std::string::npos ? text.size() : cr);
            return false;
        }
        const std::int32_t address = labels_[static_cast<std::size_t>(it->second)].Address;
        processor_.Memory[static_cast<std::size_t>(reference.Address)] = static_cast<std::uint8_t>(address & 0xFF);
        processor_.Memory[static_cast<std::size_t>(reference.Address) + 1] = static_cast<std::uint8_t>(address >> 8);
        const auto at = static_cast<std::size_t>(codeOffset_[static_cast<std::size_t>(reference.Line)]) + 1;
        code_[at] = static_cast<std::uint8_t>(address & 0xFF);
        code_[at + 1] = static_cast<std::uint8_t>(address >> 8);
    }
    return true;
}

}  // namespace vantric
