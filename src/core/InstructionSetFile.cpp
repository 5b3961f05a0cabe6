#include "core/InstructionSetFile.h"

#include "core/TextScan.h"

#include <sys/stat.h>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
#include <string_view>

#include "core/HexText.h"
#include "core/TextCase.h"

namespace vantric {

namespace {

std::string_view TrimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// Hexadecimal read that skips spaces and stops at the first other non-digit; nothing read is 0.
// Returns -1 once the value is past FF, which no opcode can be.
int ReadOpcode(std::string_view text) {
    int value = 0;
    for (char c : text) {
        if (c == ' ') continue;
        const int digit = HexDigitValue(c);
        if (digit < 0) break;
        value = value * 16 + digit;
        if (value > 0xFF) return -1;
    }
    return value;
}

InstructionSetReadResult Malformed(int line, std::string reason) {
    return {InstructionSetReadStatus::Unreadable, line, std::move(reason)};
}

enum class LineRead { Line, End, TooLong, FileTooLarge };

// Reads the next line without its LF into `line`, holding no more than kMaxInstructionSetLine
// characters and letting the whole input reach no more than kMaxInstructionSetBytes, so an endless
// or runaway input stops early instead of filling the memory.
LineRead ReadBoundedLine(std::streambuf& in, std::string& line, long long& bytesRead) {
    line.clear();
    for (bool any = false;; any = true) {
        const auto c = in.sbumpc();
        if (c == std::streambuf::traits_type::eof()) return any ? LineRead::Line : LineRead::End;
        if (++bytesRead > kMaxInstructionSetBytes) return LineRead::FileTooLarge;
        if (c == '\n') return LineRead::Line;
        if (line.size() == kMaxInstructionSetLine) return LineRead::TooLong;
        line += static_cast<char>(c);
    }
}

}  // namespace

InstructionSetReadResult ReadInstructionSet(std::istream& in, InstructionTable& table) {
    std::string raw;
    int lineNumber = 0;
    long long bytesRead = 0;
    std::streambuf* const source = in.rdbuf();
    for (;;) {
        const LineRead read = source == nullptr ? LineRead::End : ReadBoundedLine(*source, raw, bytesRead);
        if (read == LineRead::End) break;
        ++lineNumber;
        if (read == LineRead::FileTooLarge)
            return Malformed(0, "file is larger than " + std::to_string(kMaxInstructionSetBytes) + " bytes");
        if (read == LineRead::TooLong)
            return Malformed(lineNumber,
                             "line is longer than " + std::to_string(kMaxInstructionSetLine) + " characters");
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        const std::string_view line = TrimSpaces(raw);
        if (line.empty() || line.front() == ';') continue;

        const auto c1 = line.find(',');
        if (c1 == std::string_view::npos) return Malformed(lineNumber, "record has no comma");
        const int opcode = ReadOpcode(line.substr(0, c1));
        if (opcode < 0) return Malformed(lineNumber, "opcode is not between 00 and FF");
        const std::string_view rest = line.substr(c1 + 1);
        const auto c2 = rest.find(',');
        if (c2 == std::string_view::npos) return Malformed(lineNumber, "record has only one comma");

        const std::string text = ToUpperText(TrimSpaces(rest.substr(0, c2)));
        InstructionDef& row = table[static_cast<std::size_t>(opcode)];
        const auto s1 = text.find(' ');
        if (s1 == std::string::npos) {
            // A bare mnemonic leaves the operand words of an earlier record in place.
            row.Mnemonic = text;
        } else {
            row.Mnemonic = text.substr(0, s1);
            const auto s2 = text.find(' ', s1 + 1);
            if (s2 == std::string::npos) {
                row.Operand1 = text.substr(s1 + 1);
                row.Operand2.clear();
            } else {
                row.Operand1 = text.substr(s1 + 1, s2 - s1 - 1);
                const auto operand2 = text.find_first_not_of(' ', s2 + 1);
                row.Operand2 = operand2 == std::string::npos ? std::string() : text.substr(operand2);
            }
        }

        // Rounds half to even (the default floating-point rounding mode).
        const double tStates = std::nearbyint(ReadDecimalNumber(rest.substr(c2 + 1)));
        if (!(tStates >= -32768.0 && tStates <= 32767.0))
            return Malformed(lineNumber, "T-state count does not fit a 16-bit integer");
        row.TStates = static_cast<std::int16_t>(tStates);
    }
    if (in.bad()) return Malformed(lineNumber + 1, "read error");
    return {};
}

InstructionSetReadResult ReadInstructionSetFile(const std::string& path, InstructionTable& table) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 && errno == ENOENT)
        return {InstructionSetReadStatus::FileMissing, 0, "file not found"};
    if (S_ISDIR(info.st_mode)) return Malformed(0, "is a directory");
    std::ifstream file(path, std::ios::binary);
    if (!file) return Malformed(0, std::string("cannot be opened: ") + std::strerror(errno));
    return ReadInstructionSet(file, table);
}

std::string EmptyRowList(const InstructionTable& table) {
    std::string list;
    for (int opcode = 0; opcode < 256; ++opcode) {
        if (!table[static_cast<std::size_t>(opcode)].Mnemonic.empty()) continue;
        list += HexDigits(opcode);
        list += ' ';
    }
    return list;
}

}  // namespace vantric
