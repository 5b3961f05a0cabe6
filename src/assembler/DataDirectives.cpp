#include "assembler/DataDirectives.h"

#include "assembler/Compiler.h"

namespace vantric {

namespace {

DataLine Failure(const char* message) {
    DataLine data;
    data.Kind = DataKind::Failed;
    data.Error = message;
    return data;
}

// Where the item that starts at `from` ends: the next comma that is not inside quotes, or the end.
std::size_t ItemEnd(std::string_view field, std::size_t from) {
    bool quoted = false;
    std::size_t end = from;
    for (; end < field.size() && (quoted || field[end] != ','); ++end)
        if (field[end] == '\'') quoted = !quoted;
    return end;
}

// Appends the items of a DB (width 1) or DW (width 2) operand list. Empty on success, else the message.
const char* AddItems(DataLine& data, std::string_view field, std::string_view typedField, int width,
                     const ConstantTable& constants) {
    for (std::size_t start = 0;; ++start) {
        const std::size_t end = ItemEnd(field, start);
        const std::string_view item = TrimBlanks(field.substr(start, end - start));
        const auto itemStart = static_cast<std::size_t>(item.data() - field.data());
        if (item.empty()) return kInvalidDataOperand;
        if (item.front() == '\'') {
            // Quoted text: one byte per character, as typed.
            const std::string_view inside = item.substr(1, item.size() >= 2 ? item.size() - 2 : 0);
            if (width != 1 || item.size() < 3 || item.back() != '\'' || inside.find('\'') != std::string_view::npos)
                return kInvalidDataOperand;
            for (const char c : typedField.substr(itemStart + 1, inside.size()))
                data.Bytes.push_back(static_cast<std::uint8_t>(c));
        } else if (const std::int64_t value = constants.ValueOf(item); value >= 0) {
            if (value >= kFirstTooLong) return kHexTooLong;
            // A constant gives its low byte; a number must fit.
            if (width == 1 && value > 0xFF && ParseHexNumber(item) >= 0) return kInvalidByteValue;
            for (int i = 0; i < width; ++i) data.Bytes.push_back(static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF));
        } else if (item.size() >= 3 && item.find(' ') == std::string_view::npos) {
            // A label, defined anywhere: filled in by the second pass.
            data.References.push_back(
                {std::string(item), static_cast<std::uint32_t>(data.Bytes.size()), static_cast<std::uint8_t>(width)});
            data.Bytes.insert(data.Bytes.end(), static_cast<std::size_t>(width), kPlaceholderByte);
        } else {
            return kInvalidDataOperand;
        }
        if (end == field.size()) return nullptr;
        start = end;
    }
}

}  // namespace

std::optional<std::int32_t> ConstantTable::Find(std::string_view name) const {
    const auto it = values_.find(name);
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

std::int64_t ConstantTable::ValueOf(std::string_view text) const {
    const std::int64_t number = ParseHexNumber(text);
    if (number >= 0) return number;
    return Find(text).value_or(-1);
}

DataLine ParseDataLine(std::string_view line, std::string_view typed, const ConstantTable& constants) {
    std::string_view label;
    std::string_view rest = line;
    const auto colon = line.find(':');
    if (colon != std::string_view::npos) {
        label = line.substr(0, colon);  // the instruction parser has checked it already
        rest = TrimBlanks(line.substr(colon + 1));
    }
    const auto space = rest.find(' ');
    const std::string_view word = rest.substr(0, space);
    const std::string_view field =
        space == std::string_view::npos ? std::string_view() : TrimBlanks(rest.substr(space + 1));
    const auto fieldStart = static_cast<std::size_t>(field.data() - line.data());
    const std::string_view typedField = field.empty() ? std::string_view() : typed.substr(fieldStart, field.size());

    DataLine data;
    if (word == "DB" || word == "DW") {
        if (field.empty()) return Failure(kInvalidDataOperand);
        if (const char* error = AddItems(data, field, typedField, word == "DB" ? 1 : 2, constants))
            return Failure(error);
        data.Kind = DataKind::Bytes;
        data.Label.assign(label);
        return data;
    }
    if (word == "DS") {
        const std::int64_t count = constants.ValueOf(field);
        if (count >= kFirstTooLong) return Failure(kHexTooLong);
        if (count < 0) return Failure(kInvalidDataOperand);
        data.Kind = DataKind::Reserve;
        data.Count = static_cast<std::int32_t>(count);
        data.Label.assign(label);
        return data;
    }
    if (word == "EQU") return Failure(kMissingConstantName);

    // NAME EQU value, without a label before it.
    const auto nameEnd = field.find(' ');
    if (colon != std::string_view::npos || field.substr(0, nameEnd) != "EQU") return data;
    if (word.size() < 3 || word == "PSW" || ParseHexNumber(word) >= 0) return Failure(kInvalidConstantName);
    const std::string_view valueText =
        nameEnd == std::string_view::npos ? std::string_view() : TrimBlanks(field.substr(nameEnd + 1));
    const std::int64_t value = constants.ValueOf(valueText);
    if (value >= kFirstTooLong) return Failure(kHexTooLong);
    if (value < 0) return Failure(kInvalidConstantValue);
    data.Kind = DataKind::Constant;
    data.Name.assign(word);
    data.Value = static_cast<std::int32_t>(value);
    return data;
}

}  // namespace vantric
