#include "assembler/Compiler.h"

#include <algorithm>
#include <cstring>

#include "core/TextCase.h"

namespace vantric {

namespace {

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

ParsedLine ParseLine(std::string_view line, const InstructionIndex& index, const ConstantTable* constants) {
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

    const auto valueOf = [constants](std::string_view operand) {
        return constants != nullptr ? constants->ValueOf(operand) : ParseHexNumber(operand);
    };
    const std::int64_t value1 = valueOf(operand1);
    const std::int64_t value2 = valueOf(operand2);
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

namespace {

// The name of entry `index` of `entries`, which lie one after another in `names`.
template <typename Entry>
std::string_view NameAt(const std::string& names, const std::vector<Entry>& entries, std::size_t index) {
    const std::size_t end = index + 1 < entries.size() ? entries[index + 1].NameStart : names.size();
    return std::string_view(names).substr(entries[index].NameStart, end - entries[index].NameStart);
}

}  // namespace

std::string_view Compiler::LabelName(std::size_t index) const { return NameAt(labelNames_, labels_, index); }

std::string_view Compiler::ReferenceName(std::size_t index) const {
    return NameAt(referenceNames_, references_, index);
}

LabelEntry Compiler::Label(std::size_t index) const { return {LabelName(index), labels_.at(index).Address}; }

PendingReference Compiler::Reference(std::size_t index) const {
    const std::int32_t line = references_.at(index).Line;
    return {ReferenceName(index), tables_.LineAddress(line) + 1, tables_.LineStart(line), line};
}

std::size_t Compiler::LabelSlot(std::string_view name) const {
    const std::size_t mask = labelSlots_.size() - 1;
    const std::size_t hash = std::hash<std::string_view>{}(name);
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const std::uint32_t entry = labelSlots_[slot];
        if (entry == 0 || LabelName(entry - 1) == name) return slot;
    }
}

void Compiler::AddLabel(std::string_view name, std::int32_t address) {
    if ((labels_.size() + 1) * 2 > labelSlots_.size()) {
        labelSlots_.assign(labelSlots_.size() * 2, 0);
        for (std::size_t i = 0; i < labels_.size(); ++i)
            labelSlots_[LabelSlot(LabelName(i))] = static_cast<std::uint32_t>(i + 1);
    }
    labels_.push_back({static_cast<std::uint32_t>(labelNames_.size()), address});
    labelNames_.append(name);
    labelSlots_[LabelSlot(name)] = static_cast<std::uint32_t>(labels_.size());
}

// The bytes of the lines before n in its block of 64 follow the block's first byte.
std::size_t Compiler::CodeOffset(std::int32_t line) const {
    const auto block = static_cast<std::size_t>(line / 64);
    std::size_t offset = codeBlockOffset_[block];
    for (auto n = std::max<std::size_t>(block * 64, 1); n < static_cast<std::size_t>(line); ++n)
        offset += tables_.Lines[n].Bytes;
    return offset;
}

std::span<const std::uint8_t> Compiler::InstructionBytes(std::int32_t line) const {
    if (line < 1 || static_cast<std::size_t>(line) >= tables_.Lines.size()) return {};
    const std::uint8_t length = tables_.Lines[static_cast<std::size_t>(line)].Bytes;
    if (length == 0) return {};
    return std::span<const std::uint8_t>(code_).subspan(CodeOffset(line), length);
}

Compiler::PlacedData Compiler::DataAt(std::int32_t line) const {
    const auto it = std::lower_bound(dataLines_.begin(), dataLines_.end(), line,
                                     [](const DataRecord& record, std::int32_t n) { return record.Line < n; });
    if (it == dataLines_.end() || it->Line != line) return {};
    return {it->Address, std::span<const std::uint8_t>(data_).subspan(it->Offset, it->Count), it->Reserved};
}

bool Compiler::Fail(const char* message) {
    tables_.CompileError = message;
    return false;
}

bool Compiler::CompileProgram(const bool& stopRequested) {
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
    labelNames_.clear();
    referenceNames_.clear();
    labels_.clear();
    labelSlots_.assign(16, 0);
    references_.clear();
    constants_.Clear();
    dataLines_.clear();
    data_.clear();
    dataReferences_.clear();

    // The text is read where the editor keeps it, when it can be: a long source is not copied.
    std::string copy;
    const std::string* text = editor_.LogicalText();
    if (text == nullptr) {
        copy = editor_.Text();
        text = &copy;
    }
    if (text->empty() || text->back() != '\n') {
        const int caret = editor_.SelStart();
        copy = *text + "\r\n";
        editor_.SetText(copy);
        editor_.SetSelStart(caret);
        text = editor_.LogicalText();
        if (text == nullptr)
            text = &copy;
        else
            std::string().swap(copy);
    }

    tables_.ClearLines(CountLines(*text));
    code_.clear();
    codeBlockOffset_.clear();

    const InstructionIndex index(instructions_);
    if (!FirstPass(*text, index, stopRequested) || !SecondPass(*text)) return false;

    tables_.RecompileNeeded = false;
    status_.SetPanelText(1, "");
    return true;
}

bool Compiler::FirstPass(const std::string& text, const InstructionIndex& index, const bool& stopRequested) {
    std::string prepared;
    std::size_t pos = 0;
    for (std::int32_t n = 1; n <= tables_.LineCount; ++n) {
        const auto cr = FindLineBreak(text, pos);
        const std::size_t contentEnd = cr == std::string::npos ? text.size() : cr;
        const std::size_t next = cr == std::string::npos ? text.size() : cr + 2;
        tables_.ErrorStart = static_cast<std::int32_t>(pos);
        tables_.ErrorEnd = static_cast<std::int32_t>(next);
        tables_.RecordLine(n, static_cast<std::int32_t>(pos), static_cast<std::int32_t>(next - pos));
        if (n == 1 || n % 64 == 0) codeBlockOffset_.push_back(static_cast<std::uint32_t>(code_.size()));

        const std::string_view typed = TrimBlanks(std::string_view(text).substr(pos, contentEnd - pos));
        prepared.assign(typed);
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

        ParsedLine parsed;
        if (!code.empty()) parsed = ParseLine(code, index, &constants_);
        // A line that no instruction matches may be a data directive.
        const DataLine data = !code.empty() && parsed.Error == kInvalidMnemonic
                                  ? ParseDataLine(code, typed.substr(0, code.size()), constants_)
                                  : DataLine();
        if (data.Kind != DataKind::None) {
            if (!AssembleData(data, n)) return false;
        } else if (!code.empty()) {
            lineLabel_ = parsed.Label;
            if (parsed.Outcome == LineOutcome::Failed) {
                status_.SetPanelText(1, "Compile error");
                tables_.CompileError = parsed.Error;
                return false;
            }
            if (!lineLabel_.empty()) {
                if (labelSlots_[LabelSlot(lineLabel_)] != 0 || constants_.Find(lineLabel_))
                    return Fail(kDuplicateLabel);
                AddLabel(lineLabel_, locationCounter_);
            }
            if (parsed.Outcome != LineOutcome::LabelOnly) {
                if (tables_.StartAddress == -1) tables_.StartAddress = locationCounter_;
                tables_.RecordInstruction(n, locationCounter_, parsed.ByteCount);
                code_.insert(code_.end(), parsed.Bytes.begin(), parsed.Bytes.begin() + parsed.ByteCount);
                if (parsed.Outcome == LineOutcome::PendingReference) {
                    references_.push_back({static_cast<std::uint32_t>(referenceNames_.size()), n});
                    referenceNames_.append(parsed.Reference);
                }
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
            if (stopRequested) return false;
        }
    }
    return true;
}

bool Compiler::AssembleData(const DataLine& data, std::int32_t line) {
    lineLabel_ = data.Label;
    switch (data.Kind) {
        case DataKind::Failed: status_.SetPanelText(1, "Compile error"); return Fail(data.Error.c_str());
        case DataKind::Constant:
            if (constants_.Find(data.Name) || labelSlots_[LabelSlot(data.Name)] != 0)
                return Fail(kDuplicateConstantName);
            constants_.Define(data.Name, data.Value);
            return true;
        default: break;
    }
    if (!data.Label.empty()) {
        if (labelSlots_[LabelSlot(data.Label)] != 0 || constants_.Find(data.Label)) return Fail(kDuplicateLabel);
        AddLabel(data.Label, locationCounter_);
    }
    const auto offset = static_cast<std::uint32_t>(data_.size());
    dataLines_.push_back({line, locationCounter_, offset, static_cast<std::uint32_t>(data.Bytes.size()), data.Count});
    if (data.Kind == DataKind::Reserve) {
        // Reserved bytes keep what memory holds; like code, they may not run past FFFFH.
        if (locationCounter_ + data.Count > kLastAddress) return Fail(kReservedSpaceExceedsRam);
        locationCounter_ += data.Count;
        return true;
    }
    for (const DataReference& reference : data.References)
        dataReferences_.push_back({reference.Label, line,
                                   locationCounter_ + static_cast<std::int32_t>(reference.Offset),
                                   offset + reference.Offset, reference.Size});
    data_.insert(data_.end(), data.Bytes.begin(), data.Bytes.end());
    for (const std::uint8_t byte : data.Bytes) {
        processor_.Memory[static_cast<std::size_t>(locationCounter_)] = byte;
        if (++locationCounter_ > kLastAddress) return Fail(kCodeExceedsRam);
    }
    return true;
}

bool Compiler::UnknownLabel(const std::string& text, std::int32_t line) {
    const std::int32_t lineStart = tables_.LineStart(line);
    tables_.CompileError = kUnknownLabel;
    tables_.ErrorStart = lineStart;
    const auto cr = FindLineBreak(text, static_cast<std::size_t>(lineStart));
    tables_.ErrorEnd = static_cast<std::int32_t>(cr == std::string::npos ? text.size() : cr);
    return false;
}

// Instruction and data references are filled in source order, so the first unknown label in the
// source is the one reported.
bool Compiler::SecondPass(const std::string& text) {
    std::size_t i = 0;
    std::size_t d = 0;
    while (i < references_.size() || d < dataReferences_.size()) {
        if (d < dataReferences_.size() && (i == references_.size() || dataReferences_[d].Line < references_[i].Line)) {
            const DataLabelReference& reference = dataReferences_[d++];
            const std::uint32_t label = labelSlots_[LabelSlot(reference.Label)];
            if (label == 0) return UnknownLabel(text, reference.Line);
            const std::int32_t address = labels_[label - 1].Address;
            for (int b = 0; b < reference.Size; ++b) {
                const auto byte = static_cast<std::uint8_t>((address >> (8 * b)) & 0xFF);
                processor_.Memory[static_cast<std::size_t>(reference.Address + b)] = byte;
                data_[reference.Offset + static_cast<std::uint32_t>(b)] = byte;
            }
            continue;
        }
        const StoredReference& reference = references_[i];
        const std::uint32_t label = labelSlots_[LabelSlot(ReferenceName(i++))];
        if (label == 0) return UnknownLabel(text, reference.Line);
        const std::int32_t address = labels_[label - 1].Address;
        const auto placeholders = static_cast<std::size_t>(tables_.LineAddress(reference.Line) + 1);
        processor_.Memory[placeholders] = static_cast<std::uint8_t>(address & 0xFF);
        processor_.Memory[placeholders + 1] = static_cast<std::uint8_t>(address >> 8);
        const std::size_t at = CodeOffset(reference.Line) + 1;
        code_[at] = static_cast<std::uint8_t>(address & 0xFF);
        code_[at + 1] = static_cast<std::uint8_t>(address >> 8);
    }
    return true;
}

}  // namespace vantric
