// Checks the shipped data/InstSet.Dat against an opcode table kept here, typed in from the Intel
// 8085 opcode map and T-state table, so that a slip in the data file (wrong operand word, 8080
// timing, missing or extra row) shows up as a test failure rather than as a wrong assembly or
// cycle count. Conditional transfers carry the count for the branch not taken.

#include <gtest/gtest.h>

#include <array>

#include "core/HexText.h"
#include "core/InstructionSetFile.h"

namespace vantric {
namespace {

struct Published {
    const char* Text;  // mnemonic and operand words, single-space separated; "" for no instruction
    int TStates;
};

// clang-format off
constexpr std::array<Published, 256> kPublished = {{
    {"NOP", 4},       {"LXI B 16", 10}, {"STAX B", 7},    {"INX B", 6},     {"INR B", 4},     {"DCR B", 4},     {"MVI B 8", 7},   {"RLC", 4},       // 00
    {"", 0},          {"DAD B", 10},    {"LDAX B", 7},    {"DCX B", 6},     {"INR C", 4},     {"DCR C", 4},     {"MVI C 8", 7},   {"RRC", 4},
    {"", 0},          {"LXI D 16", 10}, {"STAX D", 7},    {"INX D", 6},     {"INR D", 4},     {"DCR D", 4},     {"MVI D 8", 7},   {"RAL", 4},       // 10
    {"", 0},          {"DAD D", 10},    {"LDAX D", 7},    {"DCX D", 6},     {"INR E", 4},     {"DCR E", 4},     {"MVI E 8", 7},   {"RAR", 4},
    {"RIM", 4},       {"LXI H 16", 10}, {"SHLD AD", 16},  {"INX H", 6},     {"INR H", 4},     {"DCR H", 4},     {"MVI H 8", 7},   {"DAA", 4},       // 20
    {"", 0},          {"DAD H", 10},    {"LHLD AD", 16},  {"DCX H", 6},     {"INR L", 4},     {"DCR L", 4},     {"MVI L 8", 7},   {"CMA", 4},
    {"SIM", 4},       {"LXI SP 16", 10},{"STA AD", 13},   {"INX SP", 6},    {"INR M", 10},    {"DCR M", 10},    {"MVI M 8", 10},  {"STC", 4},       // 30
    {"", 0},          {"DAD SP", 10},   {"LDA AD", 13},   {"DCX SP", 6},    {"INR A", 4},     {"DCR A", 4},     {"MVI A 8", 7},   {"CMC", 4},
    {"MOV B B", 4},   {"MOV B C", 4},   {"MOV B D", 4},   {"MOV B E", 4},   {"MOV B H", 4},   {"MOV B L", 4},   {"MOV B M", 7},   {"MOV B A", 4},   // 40
    {"MOV C B", 4},   {"MOV C C", 4},   {"MOV C D", 4},   {"MOV C E", 4},   {"MOV C H", 4},   {"MOV C L", 4},   {"MOV C M", 7},   {"MOV C A", 4},
    {"MOV D B", 4},   {"MOV D C", 4},   {"MOV D D", 4},   {"MOV D E", 4},   {"MOV D H", 4},   {"MOV D L", 4},   {"MOV D M", 7},   {"MOV D A", 4},   // 50
    {"MOV E B", 4},   {"MOV E C", 4},   {"MOV E D", 4},   {"MOV E E", 4},   {"MOV E H", 4},   {"MOV E L", 4},   {"MOV E M", 7},   {"MOV E A", 4},
    {"MOV H B", 4},   {"MOV H C", 4},   {"MOV H D", 4},   {"MOV H E", 4},   {"MOV H H", 4},   {"MOV H L", 4},   {"MOV H M", 7},   {"MOV H A", 4},   // 60
    {"MOV L B", 4},   {"MOV L C", 4},   {"MOV L D", 4},   {"MOV L E", 4},   {"MOV L H", 4},   {"MOV L L", 4},   {"MOV L M", 7},   {"MOV L A", 4},
    {"MOV M B", 7},   {"MOV M C", 7},   {"MOV M D", 7},   {"MOV M E", 7},   {"MOV M H", 7},   {"MOV M L", 7},   {"HLT", 5},       {"MOV M A", 7},   // 70
    {"MOV A B", 4},   {"MOV A C", 4},   {"MOV A D", 4},   {"MOV A E", 4},   {"MOV A H", 4},   {"MOV A L", 4},   {"MOV A M", 7},   {"MOV A A", 4},
    {"ADD B", 4},     {"ADD C", 4},     {"ADD D", 4},     {"ADD E", 4},     {"ADD H", 4},     {"ADD L", 4},     {"ADD M", 7},     {"ADD A", 4},     // 80
    {"ADC B", 4},     {"ADC C", 4},     {"ADC D", 4},     {"ADC E", 4},     {"ADC H", 4},     {"ADC L", 4},     {"ADC M", 7},     {"ADC A", 4},
    {"SUB B", 4},     {"SUB C", 4},     {"SUB D", 4},     {"SUB E", 4},     {"SUB H", 4},     {"SUB L", 4},     {"SUB M", 7},     {"SUB A", 4},     // 90
    {"SBB B", 4},     {"SBB C", 4},     {"SBB D", 4},     {"SBB E", 4},     {"SBB H", 4},     {"SBB L", 4},     {"SBB M", 7},     {"SBB A", 4},
    {"ANA B", 4},     {"ANA C", 4},     {"ANA D", 4},     {"ANA E", 4},     {"ANA H", 4},     {"ANA L", 4},     {"ANA M", 7},     {"ANA A", 4},     // A0
    {"XRA B", 4},     {"XRA C", 4},     {"XRA D", 4},     {"XRA E", 4},     {"XRA H", 4},     {"XRA L", 4},     {"XRA M", 7},     {"XRA A", 4},
    {"ORA B", 4},     {"ORA C", 4},     {"ORA D", 4},     {"ORA E", 4},     {"ORA H", 4},     {"ORA L", 4},     {"ORA M", 7},     {"ORA A", 4},     // B0
    {"CMP B", 4},     {"CMP C", 4},     {"CMP D", 4},     {"CMP E", 4},     {"CMP H", 4},     {"CMP L", 4},     {"CMP M", 7},     {"CMP A", 4},
    {"RNZ", 6},       {"POP B", 10},    {"JNZ AD", 7},    {"JMP AD", 10},   {"CNZ AD", 9},    {"PUSH B", 12},   {"ADI 8", 7},     {"RST 0", 12},    // C0
    {"RZ", 6},        {"RET", 10},      {"JZ AD", 7},     {"", 0},          {"CZ AD", 9},     {"CALL AD", 18},  {"ACI 8", 7},     {"RST 1", 12},
    {"RNC", 6},       {"POP D", 10},    {"JNC AD", 7},    {"OUT 8", 10},    {"CNC AD", 9},    {"PUSH D", 12},   {"SUI 8", 7},     {"RST 2", 12},    // D0
    {"RC", 6},        {"", 0},          {"JC AD", 7},     {"IN 8", 10},     {"CC AD", 9},     {"", 0},          {"SBI 8", 7},     {"RST 3", 12},
    {"RPO", 6},       {"POP H", 10},    {"JPO AD", 7},    {"XTHL", 16},     {"CPO AD", 9},    {"PUSH H", 12},   {"ANI 8", 7},     {"RST 4", 12},    // E0
    {"RPE", 6},       {"PCHL", 6},      {"JPE AD", 7},    {"XCHG", 4},      {"CPE AD", 9},    {"", 0},          {"XRI 8", 7},     {"RST 5", 12},
    {"RP", 6},        {"POP PSW", 10},  {"JP AD", 7},     {"DI", 4},        {"CP AD", 9},     {"PUSH PSW", 12}, {"ORI 8", 7},     {"RST 6", 12},    // F0
    {"RM", 6},        {"SPHL", 6},      {"JM AD", 7},     {"EI", 4},        {"CM AD", 9},     {"", 0},          {"CPI 8", 7},     {"RST 7", 12},
}};
// clang-format on

TEST(InstSetData, EveryOpcodeMatchesThePublishedTable) {
    InstructionTable table{};
    const auto result = ReadInstructionSetFile(VANTRIC_DATA_DIR "/InstSet.Dat", table);
    ASSERT_EQ(result.Status, InstructionSetReadStatus::Ok) << "line " << result.LineNumber << ": " << result.Reason;
    for (std::size_t opcode = 0; opcode < table.size(); ++opcode) {
        const InstructionDef& row = table[opcode];
        const std::string text = row.Mnemonic + (row.Operand1.empty() ? "" : " " + row.Operand1) +
                                 (row.Operand2.empty() ? "" : " " + row.Operand2);
        EXPECT_EQ(text, kPublished[opcode].Text) << HexText(static_cast<long long>(opcode), 2);
        EXPECT_EQ(row.TStates, kPublished[opcode].TStates) << HexText(static_cast<long long>(opcode), 2);
    }
    EXPECT_EQ(EmptyRowList(table), kUndefinedOpcodeList);
}

}  // namespace
}  // namespace vantric
