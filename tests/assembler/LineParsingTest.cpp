// The line-level operations of the assembler: blanks, numbers, operand kinds and one line to bytes.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "assembler/Compiler.h"
#include "assembler/ShippedInstructionSet.h"

namespace vantric {
namespace {

using Bytes = std::vector<int>;

const InstructionIndex& Index() {
    static const InstructionIndex index(testing::ShippedInstructionSet());
    return index;
}

Bytes BytesOf(const ParsedLine& parsed) { return Bytes(parsed.Bytes.begin(), parsed.Bytes.begin() + parsed.ByteCount); }

// The bytes of a line that must assemble, or a failure naming the message it gave instead.
Bytes Assembled(const std::string& line) {
    const ParsedLine parsed = ParseLine(line, Index());
    EXPECT_EQ(parsed.Outcome, LineOutcome::Bytes) << line << " -> " << parsed.Error;
    return BytesOf(parsed);
}

std::string ErrorOf(const std::string& line) {
    const ParsedLine parsed = ParseLine(line, Index());
    EXPECT_EQ(parsed.Outcome, LineOutcome::Failed) << line;
    return parsed.Error;
}

TEST(Blanks, OnlySpaceAndTabAreBlanksAndTrimmingKeepsInnerOnes) {
    EXPECT_TRUE(IsBlank(' '));
    EXPECT_TRUE(IsBlank('\t'));
    for (char c : {'\r', '\n', '\v', '\f', '\0', 'A'}) EXPECT_FALSE(IsBlank(c)) << int(c);

    EXPECT_EQ(TrimBlanks(" \t MOV A, B\t \t"), "MOV A, B");
    EXPECT_EQ(TrimBlanks(""), "");
    EXPECT_EQ(TrimBlanks(" \t\t "), "");
    EXPECT_EQ(TrimBlanks("\rNOP\r"), "\rNOP\r");
}

TEST(HexNumbers, DigitsAreHexadecimalAndLettersNeedTheSuffix) {
    EXPECT_EQ(ParseHexNumber("10"), 0x10);
    EXPECT_EQ(ParseHexNumber("10H"), 0x10);
    EXPECT_EQ(ParseHexNumber("0FFH"), 0xFF);
    EXPECT_EQ(ParseHexNumber("FFH"), 0xFF);
    EXPECT_EQ(ParseHexNumber("0"), 0);
    EXPECT_EQ(ParseHexNumber("0000FFFFH"), 0xFFFF);
    EXPECT_EQ(ParseHexNumber("ABCDEFH"), 0xABCDEF);
    EXPECT_EQ(ParseHexNumber("100001234H"), 0x100001234LL);

    for (const char* notANumber :
         {"", "H", "HH", "FF", "1A", "12 ", " 12", "1G", "1GH", "ffh", "12h", "-1", "0X10", "1,2", "12HH"})
        EXPECT_EQ(ParseHexNumber(notANumber), -1) << '"' << notANumber << '"';
}

TEST(HexNumbers, HugeDigitRunsStayLargeAndAreStillCheckedToTheEnd) {
    const std::string forty(40, 'F');
    EXPECT_EQ(ParseHexNumber(forty + "H"), kHexSaturated);
    EXPECT_EQ(ParseHexNumber(std::string(30, '9')), kHexSaturated);
    EXPECT_EQ(ParseHexNumber("7FFFFFFFFFFFFFFFH"), kHexSaturated);
    EXPECT_EQ(ParseHexNumber("1" + std::string(15, '0') + "H"), 0x1000000000000000LL);
    // A bad digit after the point of saturation still makes the text a name.
    EXPECT_EQ(ParseHexNumber(forty + "GH"), -1);
    EXPECT_EQ(ParseHexNumber(std::string(30, '9') + "A"), -1);
    // Leading zeros never count, however many there are.
    EXPECT_EQ(ParseHexNumber(std::string(100, '0') + "12"), 0x12);
}

TEST(OperandKinds, NumbersWidenToSixteenBitsAndAddressesButNeverNarrow) {
    EXPECT_TRUE(OperandMatches("", ""));
    EXPECT_TRUE(OperandMatches("PSW", "PSW"));
    EXPECT_TRUE(OperandMatches("8", "16"));
    EXPECT_TRUE(OperandMatches("8", "AD"));
    EXPECT_TRUE(OperandMatches("16", "AD"));
    EXPECT_FALSE(OperandMatches("16", "8"));
    EXPECT_FALSE(OperandMatches("AD", "16"));
    EXPECT_FALSE(OperandMatches("8", ""));
    EXPECT_FALSE(OperandMatches("", "A"));
}

TEST(ParseLine, NumbersAreEncodedByTheMatchedRowsPatternWords) {
    EXPECT_EQ(Assembled("MVI A,0FFH"), (Bytes{0x3E, 0xFF}));
    EXPECT_EQ(Assembled("MVI A,10"), (Bytes{0x3E, 0x10}));
    EXPECT_EQ(Assembled("MVI A,FFH"), (Bytes{0x3E, 0xFF}));
    EXPECT_EQ(Assembled("MVI M,0"), (Bytes{0x36, 0x00}));
    // A byte-sized value where two bytes are expected is widened with a zero high byte.
    EXPECT_EQ(Assembled("LXI H,5"), (Bytes{0x21, 0x05, 0x00}));
    EXPECT_EQ(Assembled("LXI H,0000FFFFH"), (Bytes{0x21, 0xFF, 0xFF}));
    EXPECT_EQ(Assembled("LXI SP,1234H"), (Bytes{0x31, 0x34, 0x12}));
    EXPECT_EQ(Assembled("JMP 5"), (Bytes{0xC3, 0x05, 0x00}));
    EXPECT_EQ(Assembled("SHLD 2050H"), (Bytes{0x22, 0x50, 0x20}));
    EXPECT_EQ(Assembled("CALL FFH"), (Bytes{0xCD, 0xFF, 0x00}));
    EXPECT_EQ(Assembled("IN 10"), (Bytes{0xDB, 0x10}));
    EXPECT_EQ(Assembled("CPI 0"), (Bytes{0xFE, 0x00}));
}

TEST(ParseLine, NamesNumbersAndRegistersAreToldApartByTheirText) {
    // FF without the suffix is a name, and a name never fits an 8-bit operand.
    EXPECT_EQ(ErrorOf("MVI A,FF"), kInvalidMnemonic);
    // A label that reads as a number is used as the number.
    EXPECT_EQ(Assembled("JMP 123"), (Bytes{0xC3, 0x23, 0x01}));
    EXPECT_EQ(Assembled("JMP ABCH"), (Bytes{0xC3, 0xBC, 0x0A}));
    EXPECT_EQ(Assembled("MOV A,M"), (Bytes{0x7E}));
    EXPECT_EQ(Assembled("PUSH PSW"), (Bytes{0xF5}));
    EXPECT_EQ(Assembled("POP PSW"), (Bytes{0xF1}));
    EXPECT_EQ(Assembled("DAD SP"), (Bytes{0x39}));
    // Register and pair names are not label references, so they do not fit an address.
    EXPECT_EQ(ErrorOf("JMP PSW"), kInvalidMnemonic);
    EXPECT_EQ(ErrorOf("JMP SP"), kInvalidMnemonic);
    EXPECT_EQ(ErrorOf("PUSH SP"), kInvalidMnemonic);
}

TEST(ParseLine, OperandsAreSplitAtTheFirstCommaAndTrimmed) {
    EXPECT_EQ(Assembled("MOV A , B"), (Bytes{0x78}));
    EXPECT_EQ(Assembled("MOV A,\tB"), (Bytes{0x78}));
    EXPECT_EQ(Assembled("MVI B ,  7"), (Bytes{0x06, 0x07}));
    EXPECT_EQ(ErrorOf("MOV A,B,C"), kInvalidMnemonic);
    // An empty second operand is no operand.
    EXPECT_EQ(Assembled("INR A,"), (Bytes{0x3C}));
    EXPECT_EQ(ErrorOf("MOV ,B"), kInvalidMnemonic);
    // Only a space ends the mnemonic.
    EXPECT_EQ(ErrorOf("MOV\tA,B"), kInvalidMnemonic);
    EXPECT_EQ(Assembled("NOP\t"), (Bytes{0x00}));
    EXPECT_EQ(ErrorOf("NOP 5"), kInvalidMnemonic);
    EXPECT_EQ(ErrorOf("HLT A"), kInvalidMnemonic);
    EXPECT_EQ(ErrorOf("XYZ"), kInvalidMnemonic);
}

TEST(ParseLine, NumbersTooLargeForAnOperandFailBeforeTheMnemonicIsLookedUp) {
    EXPECT_EQ(ErrorOf("MVI A,100H"), kInvalidMnemonic);
    EXPECT_EQ(ErrorOf("OUT 100H"), kInvalidMnemonic);
    EXPECT_EQ(ErrorOf("MVI A,10000H"), kHexTooLong);
    EXPECT_EQ(ErrorOf("JMP 100001234H"), kHexTooLong);
    EXPECT_EQ(ErrorOf("XYZ 10000H"), kHexTooLong);
    EXPECT_EQ(ErrorOf("NOP 0,10000H"), kHexTooLong);
    EXPECT_EQ(ErrorOf("LXI H," + std::string(60, '9')), kHexTooLong);
}

TEST(ParseLine, LabelReferencesAreAcceptedOnlyWhereTheFirstWordIsAnAddress) {
    for (const auto& [line, opcode, label] : std::vector<std::tuple<std::string, int, std::string>>{
             {"JMP LOOP", 0xC3, "LOOP"},
             {"JNZ ABC", 0xC2, "ABC"},
             {"CALL SUB_1", 0xCD, "SUB_1"},
             {"LDA FF", 0x3A, ""},  // too short for a label: the text itself, which fits nothing
             {"STA MVI", 0x32, "MVI"},
             {"LHLD 12G", 0x2A, "12G"},
             // Two letters are a register word; "AD" happens to be the address word itself.
             {"JMP AD", 0xC3, "AD"},
         }) {
        const ParsedLine parsed = ParseLine(line, Index());
        if (label.empty()) {
            EXPECT_EQ(parsed.Error, kInvalidMnemonic) << line;
            continue;
        }
        ASSERT_EQ(parsed.Outcome, LineOutcome::PendingReference) << line << " -> " << parsed.Error;
        EXPECT_EQ(BytesOf(parsed), (Bytes{opcode, kPlaceholderByte, kPlaceholderByte})) << line;
        EXPECT_EQ(parsed.Reference, label);
    }
    EXPECT_EQ(ErrorOf("LXI H,LOOP"), kInvalidMnemonic);
    EXPECT_EQ(ErrorOf("MVI A,LOOP"), kInvalidMnemonic);
    EXPECT_EQ(ErrorOf("MOV LOOP,A"), kInvalidMnemonic);
}

TEST(ParseLine, LabelsAreTheTextBeforeTheFirstColon) {
    const auto labelOnly = [](const std::string& line, const std::string& label) {
        const ParsedLine parsed = ParseLine(line, Index());
        EXPECT_EQ(parsed.Outcome, LineOutcome::LabelOnly) << line;
        EXPECT_EQ(parsed.Label, label) << line;
        EXPECT_EQ(parsed.ByteCount, 0);
    };
    labelOnly("LOOP:", "LOOP");
    labelOnly("LOOP: \t", "LOOP");
    labelOnly("123:", "123");
    labelOnly("ABCH:", "ABCH");
    labelOnly("MOV:", "MOV");
    labelOnly("PSW:", "PSW");
    labelOnly("A\tB:", "A\tB");
    labelOnly("#$%:", "#$%");

    const ParsedLine withCode = ParseLine("LOOP:MOV A,B", Index());
    EXPECT_EQ(withCode.Outcome, LineOutcome::Bytes);
    EXPECT_EQ(withCode.Label, "LOOP");
    EXPECT_EQ(BytesOf(withCode), (Bytes{0x78}));

    const ParsedLine twoColons = ParseLine("ABC:DEF:NOP", Index());
    EXPECT_EQ(twoColons.Error, kInvalidMnemonic);

    for (const char* bad : {"AB:", ":", "A:", "MY LOOP:", "LOOP :", " LOOP:", "AB:NOP", "MVI A,1:"})
        EXPECT_EQ(ErrorOf(bad), kInvalidLabelName) << bad;
}

TEST(InstructionIndex, FindsTheLowestMatchingOpcodeLikeAScanFrom00ToFF) {
    InstructionTable table{};
    table[0x10] = {"XYZ", "16", "", 4};
    table[0x05] = {"XYZ", "AD", "", 4};
    table[0x20] = {"XYZ", "8", "", 4};
    table[0x30] = {"", "", "", 0};
    const InstructionIndex index(table);
    EXPECT_EQ(index.Find("XYZ", "8", ""), 0x05);
    EXPECT_EQ(index.Find("XYZ", "16", ""), 0x05);
    EXPECT_EQ(index.Find("XYZ", "A", ""), -1);
    // Rows without a mnemonic are not instructions.
    EXPECT_EQ(index.Find("", "", ""), -1);

    // A row asking for more operand bytes than the 8085 has is still encoded in full.
    table[0x40] = {"TWO", "16", "16", 4};
    const InstructionIndex wide(table);
    const ParsedLine parsed = ParseLine("TWO 1234H,5678H", wide);
    EXPECT_EQ(BytesOf(parsed), (Bytes{0x40, 0x34, 0x12, 0x78, 0x56}));
    EXPECT_EQ(EncodedLength(table[0x40]), 5);
}

}  // namespace
}  // namespace vantric
