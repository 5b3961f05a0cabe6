#pragma once
// Random but repeatable 8085 programs for comparing runs: every instruction form of the table,
// loops, calls and returns, stack use, stores into data and into the code itself, jumps to
// addresses no line holds, unsupported instructions, breakpoints and overlapping ;ORG blocks.
// The program of a seed must never change: recorded results depend on it.

#include <cstdint>
#include <string>
#include <vector>

#include "core/InstructionTable.h"

namespace vantric::testing {

class RandomProgramWriter {
public:
    RandomProgramWriter(const InstructionTable& table, std::uint64_t seed) : table_(table), state_(seed * 2 + 1) {}

    std::string Program() {
        Origin();
        Line("LXI SP," + Word(Pick({0xF000, 0x2100, 0x0000, 0x0001, 0xFFFF, 0x1800})));
        const int blocks = 6 + static_cast<int>(Below(30));
        for (int i = 0; i < blocks; ++i) Block();
        if (Below(10) != 0) Line("HLT");
        for (int s = 0; s < subroutines_; ++s) Subroutine(s);
        return text_;
    }

private:
    std::uint64_t Next() {
        // xorshift64*: the same numbers on every platform.
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return state_ * 0x2545F4914F6CDD1DULL;
    }
    std::uint32_t Below(std::uint32_t n) { return static_cast<std::uint32_t>((Next() >> 33) % n); }
    template <typename T>
    T Pick(std::initializer_list<T> values) {
        return values.begin()[Below(static_cast<std::uint32_t>(values.size()))];
    }

    static std::string Hex(int value, int digits) {
        static const char* kDigits = "0123456789ABCDEF";
        std::string text(static_cast<std::size_t>(digits), '0');
        for (int i = digits - 1; i >= 0; --i, value >>= 4) text[static_cast<std::size_t>(i)] = kDigits[value & 15];
        return "0" + text + "H";  // the leading 0 keeps a letter digit from reading as a name
    }
    static std::string Byte(int value) { return Hex(value & 0xFF, 2); }
    static std::string Word(int value) { return Hex(value & 0xFFFF, 4); }

    void Line(const std::string& line) {
        // Some lines carry a label, some a trailing comment.
        if (Below(8) == 0 && (text_.empty() || text_.back() == '\n')) text_ += "QL" + std::to_string(labels_++) + ": ";
        text_ += line;
        if (Below(12) == 0) text_ += " ; note";
        text_ += "\r\n";
    }
    std::string NewLabel() { return "TG" + std::to_string(targets_++); }
    std::string SomeTarget() {
        return targets_ > 0 && Below(4) != 0 ? "TG" + std::to_string(Below(static_cast<std::uint32_t>(targets_)))
                                             : "QL0";
    }

    void Origin() {
        const int choice = static_cast<int>(Below(16));
        if (choice == 0) text_ += ";ORG " + Word(0x0800) + "\r\n";
        if (choice == 1) text_ += ";ORG " + Word(0xFF80) + "\r\n";  // close to the top: wraps or overflows
        if (choice == 2) text_ += ";ORG " + Word(0x2000) + "\r\n";  // the data area itself
        text_ += "QL0: NOP\r\n";
        labels_ = 1;
    }

    // One opcode of the table that is not a transfer of control, with operands that fit its pattern.
    std::string Simple() {
        for (;;) {
            const int opcode = static_cast<int>(Below(256));
            const InstructionDef& row = table_[static_cast<std::size_t>(opcode)];
            // Rows without an instruction, and every transfer of control, HLT and RST.
            static const std::string kSkipped =
                " JMP JNZ JZ JNC JC JPO JPE JP JM CALL CNZ CZ CNC CC CPO CPE CP CM RET RNZ RZ RNC RC RPO RPE RP RM "
                "PCHL HLT RST ";
            if (row.Mnemonic.empty() || kSkipped.find(" " + row.Mnemonic + " ") != std::string::npos) continue;
            if (row.Mnemonic == "SPHL" && Below(4) != 0) continue;
            std::string line = row.Mnemonic;
            if (!row.Operand1.empty()) line += " " + Operand(row.Operand1);
            if (!row.Operand2.empty()) line += "," + Operand(row.Operand2);
            return line;
        }
    }
    std::string Operand(const std::string& pattern) {
        if (pattern == "8") return Byte(static_cast<int>(Below(256)));
        if (pattern == "16")
            return Word(Pick({0x2000, 0x2001, 0x20FF, 0x1000, 0x1010, 0xFFFF, 0x0000, 0x1234}) +
                        static_cast<int>(Below(3)));
        if (pattern == "AD") {
            if (Below(3) == 0) return SomeTarget();  // into the code
            return Word(0x2000 + static_cast<int>(Below(64)));
        }
        return pattern;
    }

    void Block() {
        switch (Below(16)) {
            case 4: {  // a counted loop around a few instructions
                const std::string reg = Pick({"B", "C", "D", "E"});
                const std::string top = NewLabel();
                Line("MVI " + reg + "," + Byte(1 + static_cast<int>(Below(12))));
                text_ += top + ": ";
                Line(Simple());
                for (std::uint32_t i = Below(3); i > 0; --i) Line(Simple());
                Line("DCR " + reg);
                Line("JNZ " + top);
                break;
            }
            case 5: {  // a call, plain or conditional
                const std::string target = "SB" + std::to_string(Below(static_cast<std::uint32_t>(subroutines_ + 1)));
                if (target == "SB" + std::to_string(subroutines_)) ++subroutines_;
                Line(std::string(Pick({"CALL", "CALL", "CNZ", "CZ", "CNC", "CC", "CPO", "CPE", "CP", "CM"})) + " " +
                     target);
                break;
            }
            case 6: {  // a jump forward over a few lines, or back to an earlier target
                const std::string jump = Pick({"JMP", "JNZ", "JZ", "JNC", "JC", "JPO", "JPE", "JP", "JM"});
                if (targets_ > 0 && Below(3) == 0 && jump != "JMP") {
                    Line(jump + " " + SomeTarget());
                    break;
                }
                const std::string over = NewLabel();
                Line(jump + " " + over);
                Line(Simple());
                text_ += over + ":\r\n";
                break;
            }
            case 7: {  // stores into the code: a later or earlier line changes under the program
                const std::string target = NewLabel();
                Line("MVI A," + Byte(Pick({0x00, 0x3C, 0x76, 0xC7, 0xFF, 0xD3, 0x08, 0xCB, 0xC9})));
                Line(Below(2) ? "STA " + target : "SHLD " + target);
                text_ += target + ": ";
                Line("NOP");
                Line("NOP");
                break;
            }
            case 8: text_ += ";BREAK\r\n"; break;
            case 9:  // lines that hold no instruction
                text_ += Below(2) ? "\r\n" : "; a comment line\r\n";
                if (Below(3) == 0) text_ += NewLabel() + ":\r\n";
                break;
            case 10:  // stack traffic
                Line(std::string("PUSH ") + (Pick({0, 1, 2, 3}) == 3 ? "PSW" : Below(2) ? "B" : "H"));
                Line(Simple());
                Line(std::string("POP ") + (Below(4) == 0 ? "PSW" : Below(2) ? "D" : "B"));
                break;
            case 11:  // memory through HL
                Line("LXI H," + Word(Pick({0x2000, 0x2010, 0x1000, 0x0800, 0xFFFF})));
                Line("MVI M," + Byte(static_cast<int>(Below(256))));
                Line(Below(2) ? "INR M" : "ADD M");
                break;
            case 12:  // somewhere no line may be
                if (Below(6) == 0)
                    Line(std::string(Below(2) ? "JMP " : "CALL ") + Word(Pick({0x1001, 0x2000, 0x0000, 0x1003})));
                else
                    Line(Simple());
                break;
            case 13:  // an ;ORG that places the next lines over earlier code
                if (Below(4) == 0)
                    text_ += ";ORG " + Word(Pick({0x1000, 0x1002, 0x1004, 0x0800, 0x1010})) + "\r\n";
                else
                    Line(Simple());
                break;
            case 14: Line(Pick({"OUT 10H", "IN 20H", "DI", "EI", "RIM", "SIM"})); break;  // unsupported: warn, go on
            case 15: Line(Below(3) == 0 ? "XTHL" : "XCHG"); break;
            default: Line(Simple()); break;
        }
    }

    void Subroutine(int number) {
        text_ += "SB" + std::to_string(number) + ": ";
        Line(Simple());
        if (Below(3) == 0) {
            Line(Pick({"RNZ", "RZ", "RNC", "RC", "RPO", "RPE", "RP", "RM"}));
            Line(Simple());
        }
        if (Below(5) == 0) Line("CALL SB" + std::to_string(Below(static_cast<std::uint32_t>(number + 1))));
        Line("RET");
    }

    const InstructionTable& table_;
    std::uint64_t state_;
    std::string text_;
    int labels_ = 0;
    int targets_ = 0;
    int subroutines_ = 0;
};

}  // namespace vantric::testing
