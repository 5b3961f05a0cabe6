#pragma once
// The data directives: DB (bytes), DW (words, low byte first), DS (reserved bytes) and
// NAME EQU value (a named constant). They take the mnemonic's place on a line that no instruction
// of the table matches, so every line that assembles as an instruction keeps its meaning.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vantric {

inline constexpr const char* kInvalidByteValue = "Invalid byte value";
inline constexpr const char* kInvalidDataOperand = "Invalid data operand";
inline constexpr const char* kMissingConstantName = "Missing constant name";
inline constexpr const char* kInvalidConstantName = "Invalid constant name";
inline constexpr const char* kInvalidConstantValue = "Invalid constant value";
inline constexpr const char* kDuplicateConstantName = "Duplicate constant name";
inline constexpr const char* kReservedSpaceExceedsRam = "Reserved space exceeds available RAM";

// The constants defined by EQU so far, by name (upper case).
class ConstantTable {
public:
    std::optional<std::int32_t> Find(std::string_view name) const;
    // A number as the language writes it, or a constant defined so far; -1 for any other text.
    std::int64_t ValueOf(std::string_view text) const;
    void Define(std::string_view name, std::int32_t value) { values_.emplace(std::string(name), value); }
    void Clear() { values_.clear(); }

private:
    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
    };
    std::unordered_map<std::string, std::int32_t, TextHash, std::equal_to<>> values_;
};

enum class DataKind {
    None,      // not a data directive: the line keeps the instruction parser's verdict
    Failed,    // Error holds the message
    Bytes,     // DB or DW: Bytes to store, References to fill in later
    Reserve,   // DS: Count bytes skipped
    Constant,  // EQU: Name = Value
};

// A label whose address (its low byte when Size is 1) goes into the data at Offset.
struct DataReference {
    std::string Label;
    std::uint32_t Offset = 0;
    std::uint8_t Size = 2;
};

struct DataLine {
    DataKind Kind = DataKind::None;
    std::string Error;
    std::string Label;  // a label defined before DB, DW or DS
    std::vector<std::uint8_t> Bytes;
    std::vector<DataReference> References;
    std::int32_t Count = 0;
    std::string Name;
    std::int32_t Value = 0;
};

// Reads `line` (prepared: trimmed, upper case, comment removed) as a data directive. `typed` is the
// same text as the user typed it, so quoted text in DB keeps its case.
DataLine ParseDataLine(std::string_view line, std::string_view typed, const ConstantTable& constants);

}  // namespace vantric
