#include "core/InstructionSetLoader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/InstructionSetFile.h"
#include "support/Fakes.h"

namespace vantric {
namespace {

namespace fs = std::filesystem;

InstructionSetReadResult ReadText(const std::string& text, InstructionTable& table) {
    std::istringstream in(text);
    return ReadInstructionSet(in, table);
}

TEST(InstructionSetRecords, FieldsAreTrimmedUpperCasedAndSplitOnSpacesAndMalformedOnesNameTheirLine) {
    InstructionTable t{};
    const auto row = [&t](int opcode) {
        const InstructionDef& d = t[static_cast<std::size_t>(opcode)];
        return d.Mnemonic + "|" + d.Operand1 + "|" + d.Operand2 + "|" + std::to_string(d.TStates);
    };
    // Two spaces after the mnemonic leave the first operand empty and both words in the second;
    // spaces inside numbers are skipped, halves round to even.
    ASSERT_EQ(
        ReadText("  3E , mvi a 8 , 7  \r\n40,MOV  A B,4\n0 1,A,1 2\n02,B,2.5\n03,C,3.5 ; c\n0F,F,-3\n,G,1\n", t).Status,
        InstructionSetReadStatus::Ok);
    std::string rows;
    for (const int opcode : {0x3E, 0x40, 0x01, 0x02, 0x03, 0x0F, 0x00}) rows += row(opcode) + " ";
    EXPECT_EQ(rows, "MVI|A|8|7 MOV||A B|4 A|||12 B|||2 C|||4 F|||-3 G|||1 ");
    ASSERT_EQ(ReadText("3E,XYZ,9\n", t).Status, InstructionSetReadStatus::Ok);
    EXPECT_EQ(row(0x3E), "XYZ|A|8|9");  // a bare mnemonic does not clear the operand words

    // Past the size and line-length limits a file is unreadable too, however well formed.
    const std::string overlong = "00,NOP,4" + std::string(kMaxInstructionSetLine - 7, ' ') + "\n";  // one too many
    const std::string oversized(static_cast<std::size_t>(kMaxInstructionSetBytes) + 1, '\n');
    std::string lines;  // the line each one names
    for (const std::string& text : {std::string("00,NOP,4\n\t\n"), std::string("00,NOP\n"),
                                    std::string("; c\n100,NOP,4\n"), std::string("00,NOP,32768\n"), "; c\n" + overlong,
                                    oversized}) {
        const auto result = ReadText(text, t);
        EXPECT_EQ(result.Status, InstructionSetReadStatus::Unreadable) << text.substr(0, 20);
        lines += std::to_string(result.LineNumber);
    }
    EXPECT_EQ(lines, "212120");
    EXPECT_EQ(
        ReadText("00,NOP,-32768\n01,X,32767.4\n02,Y,4" + std::string(kMaxInstructionSetLine - 6, ' ') + "\n", t).Status,
        InstructionSetReadStatus::Ok);
}

TEST(InstructionSetLoader, TheShippedSetLoadsAMissingOneIsFatalWithAMessageAndAMalformedOneEndsSilently) {
    InstructionTable table{};
    fakes::FakeStatusBar status;
    fakes::FakeWindow splash;
    fakes::FakeMessageBox messages;
    fakes::FakeProgramHost host(VANTRIC_DATA_DIR "/none");
    const auto load = [&](const std::string& path) {
        splash.visible = true;
        return InstructionSetLoader(table, status, splash, messages, host, path).LoadInstructionSet();
    };
    EXPECT_EQ(load(VANTRIC_DATA_DIR "/InstSet.Dat"), InstructionSetLoadOutcome::Loaded);
    EXPECT_EQ(status.Panel1History(),
              (std::vector<std::string>{"Loading instruction set ...", "Checking instruction set ...",
                                        "Finished loading instruction set"}));

    EXPECT_EQ(load(""), InstructionSetLoadOutcome::Ended);  // the file beside the program
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Instruction set not found - " VANTRIC_DATA_DIR "/none/InstSet.Dat");
    EXPECT_EQ(messages.shown[0].title, "Fatal error !");
    EXPECT_EQ(messages.shown[0].icon, platform::MessageIcon::Critical);
    EXPECT_FALSE(splash.visible);
    EXPECT_TRUE(host.ended);
    EXPECT_EQ(status.Panel(1), "Loading instruction set ...");

    messages.shown.clear();
    host.diagnostics.clear();
    const fs::path bad = fs::temp_directory_path() /
                         ("vantric-loader-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    std::ofstream(bad, std::ios::binary) << "00,NOP,4\n01,LXI B 16,10\n\t\n";
    EXPECT_EQ(load(bad.string()), InstructionSetLoadOutcome::Ended);
    fs::remove(bad);
    ASSERT_EQ(host.diagnostics.size(), 1u);
    EXPECT_EQ(host.diagnostics[0].find(bad.string() + ":3: "), 0u) << host.diagnostics[0];
    EXPECT_EQ(load(VANTRIC_DATA_DIR), InstructionSetLoadOutcome::Ended);  // a folder is unreadable, not missing
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace vantric
