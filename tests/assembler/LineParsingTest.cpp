// The line-level operations of the assembler: numbers, operand kinds and one line to bytes. Every
// row of the shipped table is assembled by the generated programs of the engine's differential test.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "assembler/Compiler.h"
#include "core/InstructionSetFile.h"
#include "core/HexText.h"

namespace vantric {
namespace {

using Bytes = std::vector<int>;

// The index keeps views into the table, so the table lives as long as the index.
const InstructionIndex& Index() {
    static const InstructionTable table = [] {
        InstructionTable read{};
        ReadInstructionSetFile(VANTRIC_DATA_DIR "/InstSet.Dat", read);
        return read;
    }();
    static const InstructionIndex index(table);
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

TEST(HexNumbers, DigitsAreHexadecimalLettersNeedTheSuffixAndHugeRunsSaturate) {
    EXPECT_EQ(ParseHexNumber("10"), 0x10);
    EXPECT_EQ(ParseHexNumber("0FFH"), 0xFF);
    for (const char* notANumber : {"", "H", "FF", "1A", "12 ", " 12", "1GH", "ffh", "-1", "12HH"})
        EXPECT_EQ(ParseHexNumber(notANumber), -1) << '"' << notANumber << '"';

    const std::string forty(40, 'F');
    EXPECT_EQ(ParseHexNumber(forty + "H"), kHexSaturated);
    EXPECT_EQ(ParseHexNumber(std::string(30, '9')), kHexSaturated);
    EXPECT_EQ(ParseHexNumber("1" + std::string(15, '0') + "H"), 0x1000000000000000LL);
    EXPECT_EQ(ParseHexNumber(forty + "GH"), -1);  // a bad digit after saturation still makes a name
    EXPECT_EQ(TrimBlanks(" \t MOV A, B\t \t"), "MOV A, B");
    EXPECT_EQ(ZeroPad("", 4), "000");  // only width - 1 zeros are ever added
}

TEST(ParseLine, OperandsWidenButNeverNarrowAndNamesNumbersAndRegistersAreToldApart) {
    EXPECT_EQ(Assembled("MVI A,FFH"), (Bytes{0x3E, 0xFF}));
    EXPECT_EQ(Assembled("LXI H,5"), (Bytes{0x21, 0x05, 0x00}));  // a byte where two are expected
    EXPECT_EQ(Assembled("LXI H,0000FFFFH"), (Bytes{0x21, 0xFF, 0xFF}));
    EXPECT_EQ(Assembled("CALL FFH"), (Bytes{0xCD, 0xFF, 0x00}));
    EXPECT_EQ(Assembled("JMP 123"), (Bytes{0xC3, 0x23, 0x01}));  // a label that reads as a number is one
    EXPECT_EQ(Assembled("MOV A , M"), (Bytes{0x7E}));
    EXPECT_EQ(Assembled("INR A,"), (Bytes{0x3C}));  // an empty second operand is no operand
    // RST's digit words match no number, so RST cannot be written at all.
    for (const char* bad :
         {"MVI A,FF", "MVI A,100H", "OUT 100H", "JMP PSW", "PUSH SP", "MOV A,B,C", "MOV ,B", "MOV\tA,B", "NOP 5", "XYZ",
          "LXI H,LOOP", "MVI A,LOOP", "MOV LOOP,A", "LDA FF", "RST 1", "RST"})
        EXPECT_EQ(ErrorOf(bad), kInvalidMnemonic) << bad;
    // Numbers too large for any operand fail before the mnemonic is looked up.
    for (const char* bad : {"MVI A,10000H", "XYZ 10000H", "NOP 0,10000H", "JMP 100001234H"})
        EXPECT_EQ(ErrorOf(bad), kHexTooLong) << bad;
}

TEST(ParseLine, LabelsAreTheTextBeforeTheFirstColonAndReferencesFillAddressesOnly) {
    for (const char* label : {"LOOP", "123", "PSW", "A\tB", "#$%"}) {
        const ParsedLine parsed = ParseLine(std::string(label) + ": \t", Index());
        EXPECT_EQ(parsed.Outcome, LineOutcome::LabelOnly) << label;
        EXPECT_EQ(parsed.Label, label);
    }
    const ParsedLine withCode = ParseLine("LOOP:MOV A,B", Index());
    EXPECT_EQ(withCode.Label, "LOOP");
    EXPECT_EQ(BytesOf(withCode), (Bytes{0x78}));
    EXPECT_EQ(ErrorOf("ABC:DEF:NOP"), kInvalidMnemonic);
    for (const char* bad : {"AB:", ":", "MY LOOP:", "LOOP :", " LOOP:", "AB:NOP", "MVI A,1:"})
        EXPECT_EQ(ErrorOf(bad), kInvalidLabelName) << bad;

    for (const auto& [line, opcode, label] : std::vector<std::tuple<std::string, int, std::string>>{
             {"JNZ ABC", 0xC2, "ABC"}, {"STA MVI", 0x32, "MVI"}, {"LHLD 12G", 0x2A, "12G"}, {"JMP AD", 0xC3, "AD"}}) {
        const ParsedLine parsed = ParseLine(line, Index());
        ASSERT_EQ(parsed.Outcome, LineOutcome::PendingReference) << line << " -> " << parsed.Error;
        EXPECT_EQ(BytesOf(parsed), (Bytes{opcode, kPlaceholderByte, kPlaceholderByte})) << line;
        EXPECT_EQ(parsed.Reference, label);
    }
}

}  // namespace
}  // namespace vantric
