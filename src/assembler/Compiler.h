#pragma once
// The assembler: the line-level operations (blanks, numbers, operand kinds, one line to bytes) and
// CompileProgram, which turns the editor's whole text into bytes in memory plus the line,
// breakpoint and start-address tables that execution uses.

#include <array>
#include <cstdint>
#include <functional>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "assembler/DataDirectives.h"
#include "core/AssemblyTables.h"
#include "core/InstructionTable.h"
#include "core/ProcessorState.h"
#include "core/TextScan.h"
#include "platform/Editor.h"
#include "platform/EventPump.h"
#include "platform/StatusBar.h"

namespace vantric {

// Error texts, as the run window shows them after "Compiler error : ".
inline constexpr const char* kInvalidLabelName = "Invalid label name";
inline constexpr const char* kHexTooLong = "Hexadecimal expression too long";
inline constexpr const char* kInvalidMnemonic = "Invalid Mnemonic";
inline constexpr const char* kInvalidAddress = "Invalid instruction address";
inline constexpr const char* kDuplicateLabel = "Duplicate label";
inline constexpr const char* kCodeExceedsRam = "Compiled code exceeds available RAM";
inline constexpr const char* kUnknownLabel = "Unknown label";

// The byte stored twice in place of a label address until the second pass fills it in.
inline constexpr std::uint8_t kPlaceholderByte = 0x38;

// `text` without leading and trailing blanks.
std::string_view TrimBlanks(std::string_view text);

// Hexadecimal number: digits 0-9, or 0-9 and A-F (upper case) when the text ends in "H".
// Returns the value, or -1 when the text is not a number. Values too big for 63 bits read as
// kHexSaturated; every caller only compares against limits far below that.
inline constexpr std::int64_t kHexSaturated = std::numeric_limits<std::int64_t>::max();
// Numbers from here on do not fit an operand: "Hexadecimal expression too long".
inline constexpr std::int64_t kFirstTooLong = 0x10000;
std::int64_t ParseHexNumber(std::string_view text);

// True when an operand of kind `kind` ("8", "16", "AD", a register word or empty) fits the
// instruction-table pattern word `pattern`.
bool OperandMatches(std::string_view kind, std::string_view pattern);

// Number of bytes an instruction of this row assembles to: the opcode plus what its pattern
// words ask for ("8" one byte, "16" two, "AD" two in the first position only).
int EncodedLength(const InstructionDef& row);

// The rows of an instruction table grouped by mnemonic, each group in ascending opcode order, so
// that finding the first matching row gives the same answer as scanning opcodes 00 to FF.
class InstructionIndex {
public:
    explicit InstructionIndex(const InstructionTable& table);

    // Lowest opcode whose mnemonic equals `mnemonic` and whose pattern words fit the two kinds;
    // -1 when none does. Rows without a mnemonic are not instructions and never match.
    int Find(std::string_view mnemonic, std::string_view kind1, std::string_view kind2) const;

    const InstructionTable& Table() const { return table_; }

private:
    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
    };

    const InstructionTable& table_;
    std::unordered_map<std::string, std::vector<std::uint8_t>, TextHash, std::equal_to<>> rows_;
};

enum class LineOutcome {
    Failed,            // Error holds the message
    LabelOnly,         // the line defines Label and holds no instruction
    Bytes,             // Bytes[0..ByteCount) is the whole instruction
    PendingReference,  // opcode plus two placeholder bytes; Reference names the label to fill in
};

struct ParsedLine {
    LineOutcome Outcome = LineOutcome::Failed;
    std::string Label;  // the label the line defines, empty when none
    std::string Error;
    // The 8085 rows give at most 3 bytes; a table whose row has two "16" words would give 5.
    std::array<std::uint8_t, 5> Bytes{};
    int ByteCount = 0;
    std::string Reference;
};

// Parses one prepared line (trimmed, upper case, comment removed, not empty). An operand that names
// one of `constants` stands for its value.
ParsedLine ParseLine(std::string_view line, const InstructionIndex& index, const ConstantTable* constants = nullptr);

// A label as the assembler recorded it: its name (upper case) and the location counter at its definition.
struct LabelEntry {
    std::string_view Name;
    std::int32_t Address = 0;
};

// A label reference waiting for the second pass.
struct PendingReference {
    std::string_view Label;
    std::int32_t Address = 0;    // where the two placeholder bytes lie (opcode address + 1)
    std::int32_t LineStart = 0;  // LineStart of the referring line
    std::int32_t Line = 0;       // the referring line's number
};

class Compiler {
public:
    Compiler(ProcessorState& processor, const InstructionTable& instructions, AssemblyTables& tables,
             platform::Editor& editor, platform::StatusBar& status, platform::EventPump& events)
        : processor_(processor),
          instructions_(instructions),
          tables_(tables),
          editor_(editor),
          status_(status),
          events_(events) {}

    // Assembles the editor's text into memory. False on an error (message in CompileError, line
    // span in ErrorStart/ErrorEnd) or when `stopRequested` was raised at one of the yields.
    bool CompileProgram(const bool& stopRequested = kNeverStop);

    // What the last assembly left besides the shared tables: the labels and the references in
    // source order (index from 0).
    std::size_t LabelCount() const { return labels_.size(); }
    LabelEntry Label(std::size_t index) const;
    std::size_t ReferenceCount() const { return references_.size(); }
    PendingReference Reference(std::size_t index) const;
    const std::string& LineLabel() const { return lineLabel_; }
    std::int32_t LocationCounter() const { return locationCounter_; }
    // The bytes line n (1 to LineCount) assembled to, label addresses filled in as far as the
    // second pass got; empty for a line without an instruction. They are the instruction's own
    // bytes even where a later ;ORG placed other code over them.
    std::span<const std::uint8_t> InstructionBytes(std::int32_t line) const;
    int InstructionLength(std::int32_t line) const { return static_cast<int>(InstructionBytes(line).size()); }

    // What a DB, DW or DS line placed: its address and bytes (label addresses filled in as far as
    // the second pass got), or the count DS reserved. Address -1 for any other line.
    struct PlacedData {
        std::int32_t Address = -1;
        std::span<const std::uint8_t> Bytes;
        std::int32_t Reserved = 0;
    };
    PlacedData DataAt(std::int32_t line) const;

private:
    // Names are kept one after another, label names in labelNames_ and referenced names in
    // referenceNames_, each entry holding where its own begins (it ends where the next one's
    // begins), so a label or a reference costs eight bytes beside its name.
    struct StoredLabel {
        std::uint32_t NameStart = 0;
        std::int32_t Address = 0;
    };
    // The rest of a reference follows from its line's entry in the line tables.
    struct StoredReference {
        std::uint32_t NameStart = 0;
        std::int32_t Line = 0;
    };

    bool Fail(const char* message);
    static constexpr bool kNeverStop = false;

    bool FirstPass(const std::string& text, const InstructionIndex& index, const bool& stopRequested);
    bool AssembleData(const DataLine& data, std::int32_t line);
    bool SecondPass(const std::string& text);
    // Selects the referring line (without its line break) and fails with "Unknown label".
    bool UnknownLabel(const std::string& text, std::int32_t line);
    std::string_view LabelName(std::size_t index) const;
    std::string_view ReferenceName(std::size_t index) const;
    // The slot of labelSlots_ that holds the label named `name`, or the empty slot where it would go.
    std::size_t LabelSlot(std::string_view name) const;
    void AddLabel(std::string_view name, std::int32_t address);
    // Where line n's bytes start in code_.
    std::size_t CodeOffset(std::int32_t line) const;

    ProcessorState& processor_;
    const InstructionTable& instructions_;
    AssemblyTables& tables_;
    platform::Editor& editor_;
    platform::StatusBar& status_;
    platform::EventPump& events_;

    std::int32_t locationCounter_ = 0;
    std::string lineLabel_;
    std::string labelNames_;
    std::vector<StoredLabel> labels_;
    // Open addressing over labels_: 0 for an empty slot, else the label's index + 1. At most half
    // full, so a look-up ends after a few probes.
    std::vector<std::uint32_t> labelSlots_;
    std::string referenceNames_;
    std::vector<StoredReference> references_;
    std::vector<std::uint8_t> code_;              // every instruction's bytes, in source order
    std::vector<std::uint32_t> codeBlockOffset_;  // where the bytes of lines 1, 64, 128, ... start in code_

    // Data lines, in source order, and their bytes one after another.
    struct DataRecord {
        std::int32_t Line = 0;
        std::int32_t Address = 0;
        std::uint32_t Offset = 0;  // in data_
        std::uint32_t Count = 0;   // bytes in data_
        std::int32_t Reserved = 0;
    };
    struct DataLabelReference {
        std::string Label;
        std::int32_t Line = 0;
        std::int32_t Address = 0;  // where the label's address goes in memory
        std::uint32_t Offset = 0;  // and in data_
        std::uint8_t Size = 2;     // 1: the low byte only
    };
    ConstantTable constants_;
    std::vector<DataRecord> dataLines_;
    std::vector<std::uint8_t> data_;
    std::vector<DataLabelReference> dataReferences_;
};

}  // namespace vantric
