// Every row of the shipped instruction table, written as a source line, assembles to its own
// opcode with its operand bytes; the RST rows, whose digit words no number can match, never do.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "assembler/Compiler.h"
#include "assembler/ShippedInstructionSet.h"

namespace vantric {
namespace {

struct Operand {
    std::string Text;
    std::vector<int> Bytes;
};

Operand SourceFor(const std::string& word) {
    if (word == "8") return {"12H", {0x12}};
    if (word == "16" || word == "AD") return {"1234H", {0x34, 0x12}};
    return {word, {}};
}

TEST(ShippedInstructionSet, EveryRowAssemblesToItsOpcodeAndOperandBytes) {
    const InstructionTable& table = testing::ShippedInstructionSet();
    const InstructionIndex index(table);
    int rows = 0;
    int rst = 0;
    for (int opcode = 0; opcode < 256; ++opcode) {
        const InstructionDef& row = table[static_cast<std::size_t>(opcode)];
        if (row.Mnemonic.empty()) continue;
        ++rows;
        std::string line = row.Mnemonic;
        std::vector<int> expected{opcode};
        if (!row.Operand1.empty()) {
            const Operand op = SourceFor(row.Operand1);
            line += " " + op.Text;
            expected.insert(expected.end(), op.Bytes.begin(), op.Bytes.end());
        }
        if (!row.Operand2.empty()) {
            const Operand op = SourceFor(row.Operand2);
            line += "," + op.Text;
            expected.insert(expected.end(), op.Bytes.begin(), op.Bytes.end());
        }

        const ParsedLine parsed = ParseLine(line, index);
        if (row.Mnemonic == "RST") {
            ++rst;
            EXPECT_EQ(parsed.Error, kInvalidMnemonic) << line;
            continue;
        }
        ASSERT_EQ(parsed.Outcome, LineOutcome::Bytes) << line << " -> " << parsed.Error;
        EXPECT_EQ(std::vector<int>(parsed.Bytes.begin(), parsed.Bytes.begin() + parsed.ByteCount), expected) << line;
        EXPECT_EQ(EncodedLength(row), static_cast<int>(expected.size())) << line;
    }
    EXPECT_EQ(rows, 246);
    EXPECT_EQ(rst, 8);
}

TEST(ShippedInstructionSet, RstCannotBeWrittenAnyWay) {
    const InstructionIndex index(testing::ShippedInstructionSet());
    for (const char* line : {"RST 1", "RST 0", "RST 7H", "RST", "RST 38H", "RST A"})
        EXPECT_EQ(ParseLine(line, index).Error, kInvalidMnemonic) << line;
}

}  // namespace
}  // namespace vantric
