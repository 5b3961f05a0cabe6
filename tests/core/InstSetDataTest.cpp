// Checks the shipped data/InstSet.Dat against an opcode table kept here,
// typed in from the Intel 8085 opcode map and T-state table, so that a slip
// in the data file (wrong operand word, 8080 timing, missing or extra row)
// shows up as a test failure rather than as a wrong assembly or cycle count.

#include "core/InstructionSetFile.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdio>
#include <set>
#include <string>

namespace {

using vantric::InstructionDef;
using vantric::InstructionSetReadStatus;
using vantric::InstructionTable;
using vantric::ReadInstructionSetFile;

const std::string kShippedFile = VANTRIC_DATA_DIR "/InstSet.Dat";

struct Published {
    const char* Text;  // mnemonic and operand words, single-space separated
    int TStates;       // conditional J/C/R: condition not taken
};

// clang-format off
constexpr std::array<Published, 256> kPublished = {{
    // 00
    {"NOP", 4},        {"LXI B 16", 10},  {"STAX B", 7},     {"INX B", 6},
    {"INR B", 4},      {"DCR B", 4},      {"MVI B 8", 7},    {"RLC", 4},
    {"", 0},           {"DAD B", 10},     {"LDAX B", 7},     {"DCX B", 6},
    {"INR C", 4},      {"DCR C", 4},      {"MVI C 8", 7},    {"RRC", 4},
    // 10
    {"", 0},           {"LXI D 16", 10},  {"STAX D", 7},     {"INX D", 6},
    {"INR D", 4},      {"DCR D", 4},      {"MVI D 8", 7},    {"RAL", 4},
    {"", 0},           {"DAD D", 10},     {"LDAX D", 7},     {"DCX D", 6},
    {"INR E", 4},      {"DCR E", 4},      {"MVI E 8", 7},    {"RAR", 4},
    // 20
    {"RIM", 4},        {"LXI H 16", 10},  {"SHLD AD", 16},   {"INX H", 6},
    {"INR H", 4},      {"DCR H", 4},      {"MVI H 8", 7},    {"DAA", 4},
    {"", 0},           {"DAD H", 10},     {"LHLD AD", 16},   {"DCX H", 6},
    {"INR L", 4},      {"DCR L", 4},      {"MVI L 8", 7},    {"CMA", 4},
    // 30
    {"SIM", 4},        {"LXI SP 16", 10}, {"STA AD", 13},    {"INX SP", 6},
    {"INR M", 10},     {"DCR M", 10},     {"MVI M 8", 10},   {"STC", 4},
    {"", 0},           {"DAD SP", 10},    {"LDA AD", 13},    {"DCX SP", 6},
    {"INR A", 4},      {"DCR A", 4},      {"MVI A 8", 7},    {"CMC", 4},
    // 40
    {"MOV B B", 4},    {"MOV B C", 4},    {"MOV B D", 4},    {"MOV B E", 4},
    {"MOV B H", 4},    {"MOV B L", 4},    {"MOV B M", 7},    {"MOV B A", 4},
    {"MOV C B", 4},    {"MOV C C", 4},    {"MOV C D", 4},    {"MOV C E", 4},
    {"MOV C H", 4},    {"MOV C L", 4},    {"MOV C M", 7},    {"MOV C A", 4},
    // 50
    {"MOV D B", 4},    {"MOV D C", 4},    {"MOV D D", 4},    {"MOV D E", 4},
    {"MOV D H", 4},    {"MOV D L", 4},    {"MOV D M", 7},    {"MOV D A", 4},
    {"MOV E B", 4},    {"MOV E C", 4},    {"MOV E D", 4},    {"MOV E E", 4},
    {"MOV E H", 4},    {"MOV E L", 4},    {"MOV E M", 7},    {"MOV E A", 4},
    // 60
    {"MOV H B", 4},    {"MOV H C", 4},    {"MOV H D", 4},    {"MOV H E", 4},
    {"MOV H H", 4},    {"MOV H L", 4},    {"MOV H M", 7},    {"MOV H A", 4},
    {"MOV L B", 4},    {"MOV L C", 4},    {"MOV L D", 4},    {"MOV L E", 4},
    {"MOV L H", 4},    {"MOV L L", 4},    {"MOV L M", 7},    {"MOV L A", 4},
    // 70
    {"MOV M B", 7},    {"MOV M C", 7},    {"MOV M D", 7},    {"MOV M E", 7},
    {"MOV M H", 7},    {"MOV M L", 7},    {"HLT", 5},        {"MOV M A", 7},
    {"MOV A B", 4},    {"MOV A C", 4},    {"MOV A D", 4},    {"MOV A E", 4},
    {"MOV A H", 4},    {"MOV A L", 4},    {"MOV A M", 7},    {"MOV A A", 4},
    // 80
    {"ADD B", 4},      {"ADD C", 4},      {"ADD D", 4},      {"ADD E", 4},
    {"ADD H", 4},      {"ADD L", 4},      {"ADD M", 7},      {"ADD A", 4},
    {"ADC B", 4},      {"ADC C", 4},      {"ADC D", 4},      {"ADC E", 4},
    {"ADC H", 4},      {"ADC L", 4},      {"ADC M", 7},      {"ADC A", 4},
    // 90
    {"SUB B", 4},      {"SUB C", 4},      {"SUB D", 4},      {"SUB E", 4},
    {"SUB H", 4},      {"SUB L", 4},      {"SUB M", 7},      {"SUB A", 4},
    {"SBB B", 4},      {"SBB C", 4},      {"SBB D", 4},      {"SBB E", 4},
    {"SBB H", 4},      {"SBB L", 4},      {"SBB M", 7},      {"SBB A", 4},
    // A0
    {"ANA B", 4},      {"ANA C", 4},      {"ANA D", 4},      {"ANA E", 4},
    {"ANA H", 4},      {"ANA L", 4},      {"ANA M", 7},      {"ANA A", 4},
    {"XRA B", 4},      {"XRA C", 4},      {"XRA D", 4},      {"XRA E", 4},
    {"XRA H", 4},      {"XRA L", 4},      {"XRA M", 7},      {"XRA A", 4},
    // B0
    {"ORA B", 4},      {"ORA C", 4},      {"ORA D", 4},      {"ORA E", 4},
    {"ORA H", 4},      {"ORA L", 4},      {"ORA M", 7},      {"ORA A", 4},
    {"CMP B", 4},      {"CMP C", 4},      {"CMP D", 4},      {"CMP E", 4},
    {"CMP H", 4},      {"CMP L", 4},      {"CMP M", 7},      {"CMP A", 4},
    // C0
    {"RNZ", 6},        {"POP B", 10},     {"JNZ AD", 7},     {"JMP AD", 10},
    {"CNZ AD", 9},     {"PUSH B", 12},    {"ADI 8", 7},      {"RST 0", 12},
    {"RZ", 6},         {"RET", 10},       {"JZ AD", 7},      {"", 0},
    {"CZ AD", 9},      {"CALL AD", 18},   {"ACI 8", 7},      {"RST 1", 12},
    // D0
    {"RNC", 6},        {"POP D", 10},     {"JNC AD", 7},     {"OUT 8", 10},
    {"CNC AD", 9},     {"PUSH D", 12},    {"SUI 8", 7},      {"RST 2", 12},
    {"RC", 6},         {"", 0},           {"JC AD", 7},      {"IN 8", 10},
    {"CC AD", 9},      {"", 0},           {"SBI 8", 7},      {"RST 3", 12},
    // E0
    {"RPO", 6},        {"POP H", 10},     {"JPO AD", 7},     {"XTHL", 16},
    {"CPO AD", 9},     {"PUSH H", 12},    {"ANI 8", 7},      {"RST 4", 12},
    {"RPE", 6},        {"PCHL", 6},       {"JPE AD", 7},     {"XCHG", 4},
    {"CPE AD", 9},     {"", 0},           {"XRI 8", 7},      {"RST 5", 12},
    // F0
    {"RP", 6},         {"POP PSW", 10},   {"JP AD", 7},      {"DI", 4},
    {"CP AD", 9},      {"PUSH PSW", 12},  {"ORI 8", 7},      {"RST 6", 12},
    {"RM", 6},         {"SPHL", 6},       {"JM AD", 7},      {"EI", 4},
    {"CM AD", 9},      {"", 0},           {"CPI 8", 7},      {"RST 7", 12},
}};
// clang-format on

constexpr std::array<int, 10> kUndefinedOpcodes = {0x08, 0x10, 0x18, 0x28, 0x38, 0xCB, 0xD9, 0xDD, 0xED, 0xFD};

std::string Hex(int opcode) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02X", opcode);
    return buf;
}

// Rebuilds the instruction text the way it is written in the data file.
std::string TextOf(const InstructionDef& def) {
    std::string text = def.Mnemonic;
    if (!def.Operand1.empty()) text += " " + def.Operand1;
    if (!def.Operand2.empty()) text += " " + def.Operand2;
    return text;
}

// Loads the shipped file; a load failure is reported as a test failure with
// the loader's own line number and reason.
InstructionTable LoadShipped() {
    InstructionTable table{};
    const auto result = ReadInstructionSetFile(kShippedFile, table);
    EXPECT_EQ(result.Status, InstructionSetReadStatus::Ok)
        << kShippedFile << " line " << result.LineNumber << ": " << result.Reason;
    return table;
}

TEST(InstSetData, ShippedFileCoversExactlyTheDefinedOpcodes) {
    InstructionTable table{};
    const auto result = ReadInstructionSetFile(kShippedFile, table);
    ASSERT_EQ(result.Status, InstructionSetReadStatus::Ok)
        << kShippedFile << " line " << result.LineNumber << ": " << result.Reason;

    int defined = 0;
    for (const InstructionDef& def : table) {
        if (!def.Mnemonic.empty()) ++defined;
    }
    EXPECT_EQ(defined, 246);

    for (int opcode : kUndefinedOpcodes) {
        SCOPED_TRACE("opcode " + Hex(opcode));
        const InstructionDef& def = table[static_cast<std::size_t>(opcode)];
        EXPECT_TRUE(def.Mnemonic.empty()) << "undefined opcode has " << TextOf(def);
        EXPECT_TRUE(def.Operand1.empty());
        EXPECT_TRUE(def.Operand2.empty());
    }
}

TEST(InstSetData, EveryOpcodeMatchesThePublishedTable) {
    const InstructionTable table = LoadShipped();
    if (HasFailure()) return;

    for (int opcode = 0; opcode < 256; ++opcode) {
        SCOPED_TRACE("opcode " + Hex(opcode));
        const InstructionDef& def = table[static_cast<std::size_t>(opcode)];
        const Published& want = kPublished[static_cast<std::size_t>(opcode)];

        // A second operand word without a first would shift the operands of
        // every source line matched against this row.
        if (def.Operand1.empty()) {
            EXPECT_TRUE(def.Operand2.empty()) << def.Operand2;
        }

        EXPECT_EQ(TextOf(def), want.Text);
        if (*want.Text != '\0') {
            EXPECT_EQ(def.TStates, want.TStates) << want.Text;
        }
    }
}

TEST(InstSetData, RestartRowsUseTheirOwnVectorDigit) {
    const InstructionTable table = LoadShipped();
    if (HasFailure()) return;

    // RST n is 11nnn111. Each row must carry its own digit, and no two rows
    // may share an operand word, or an RST line could assemble to the wrong
    // restart vector.
    std::set<std::string> seen;
    for (int n = 0; n < 8; ++n) {
        const int opcode = 0xC7 | (n << 3);
        SCOPED_TRACE("opcode " + Hex(opcode));
        const InstructionDef& def = table[static_cast<std::size_t>(opcode)];
        EXPECT_EQ(def.Mnemonic, "RST");
        EXPECT_EQ(def.Operand1, std::to_string(n));
        EXPECT_TRUE(def.Operand2.empty());
        EXPECT_EQ(def.TStates, 12);
        seen.insert(def.Operand1);
    }
    EXPECT_EQ(seen.size(), 8u);
}

TEST(InstSetData, ConditionalTransfersCarryTheNotTakenCount) {
    const InstructionTable table = LoadShipped();
    if (HasFailure()) return;

    // Rcc = 11ccc000, Jcc = 11ccc010, Ccc = 11ccc100. The three rows for one
    // condition code must name the same condition, and use the 8085 count for
    // the branch not taken (8080 timings would be 5/11, 10 and 11/17).
    for (int cc = 0; cc < 8; ++cc) {
        const auto& ret = table[static_cast<std::size_t>(0xC0 | (cc << 3))];
        const auto& jump = table[static_cast<std::size_t>(0xC2 | (cc << 3))];
        const auto& call = table[static_cast<std::size_t>(0xC4 | (cc << 3))];
        SCOPED_TRACE("condition " + std::to_string(cc) + ": " + TextOf(ret) + " / " + TextOf(jump) + " / " +
                     TextOf(call));

        ASSERT_GE(ret.Mnemonic.size(), 2u);
        ASSERT_GE(jump.Mnemonic.size(), 2u);
        ASSERT_GE(call.Mnemonic.size(), 2u);
        EXPECT_EQ(ret.Mnemonic[0], 'R');
        EXPECT_EQ(jump.Mnemonic[0], 'J');
        EXPECT_EQ(call.Mnemonic[0], 'C');
        const std::string condition = ret.Mnemonic.substr(1);
        EXPECT_EQ(jump.Mnemonic.substr(1), condition);
        EXPECT_EQ(call.Mnemonic.substr(1), condition);

        EXPECT_TRUE(ret.Operand1.empty());
        EXPECT_EQ(jump.Operand1, "AD");
        EXPECT_EQ(call.Operand1, "AD");

        EXPECT_EQ(ret.TStates, 6);
        EXPECT_EQ(jump.TStates, 7);
        EXPECT_EQ(call.TStates, 9);
    }
}

}  // namespace
