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

TEST(InstructionSetRecords, FieldsAreTrimmedUpperCasedAndSplitOnSpaces) {
    InstructionTable a{}, b{};
    ASSERT_EQ(ReadText("3E,mvi a 8,7\n", a).Status, InstructionSetReadStatus::Ok);
    ASSERT_EQ(ReadText("  3E , MVI A 8 , 7  \r\n", b).Status, InstructionSetReadStatus::Ok);
    for (const InstructionTable* t : {&a, &b}) {
        EXPECT_EQ((*t)[0x3E].Mnemonic, "MVI");
        EXPECT_EQ((*t)[0x3E].Operand1, "A");
        EXPECT_EQ((*t)[0x3E].Operand2, "8");
        EXPECT_EQ((*t)[0x3E].TStates, 7);
    }

    InstructionTable t{};
    ASSERT_EQ(ReadText("00,NOP,4\n40,MOV  A B,4\n76,HLT,5 ; halt\n", t).Status, InstructionSetReadStatus::Ok);
    EXPECT_EQ(t[0x00].Mnemonic, "NOP");
    EXPECT_EQ(t[0x00].Operand1, "");
    EXPECT_EQ(t[0x00].Operand2, "");
    // Two spaces after the mnemonic leave the first operand empty and both words in the second.
    EXPECT_EQ(t[0x40].Mnemonic, "MOV");
    EXPECT_EQ(t[0x40].Operand1, "");
    EXPECT_EQ(t[0x40].Operand2, "A B");
    EXPECT_EQ(t[0x76].TStates, 5);
}

TEST(InstructionSetRecords, LaterRecordsReplaceEarlierOnesExceptBareOperands) {
    InstructionTable t{};
    ASSERT_EQ(ReadText("3E,MVI A 8,7\n3E,XYZ,9\n", t).Status, InstructionSetReadStatus::Ok);
    EXPECT_EQ(t[0x3E].Mnemonic, "XYZ");
    EXPECT_EQ(t[0x3E].Operand1, "A");  // a bare mnemonic does not clear the operand words
    EXPECT_EQ(t[0x3E].Operand2, "8");
    EXPECT_EQ(t[0x3E].TStates, 9);
    ASSERT_EQ(ReadText("3E,MVI B,4\n", t).Status, InstructionSetReadStatus::Ok);
    EXPECT_EQ(t[0x3E].Operand1, "B");
    EXPECT_EQ(t[0x3E].Operand2, "");
}

TEST(InstructionSetRecords, NumbersReadLikeTheFileFormatSays) {
    InstructionTable t{};
    ASSERT_EQ(ReadText("0 1,A,1 2\n02,B,2.5\n03,C,3.5\n04,D,7\tx\n05,E,\n0F,F,-3\n", t).Status,
              InstructionSetReadStatus::Ok);
    EXPECT_EQ(t[0x01].TStates, 12);  // spaces inside both numbers are skipped
    EXPECT_EQ(t[0x02].TStates, 2);   // half to even
    EXPECT_EQ(t[0x03].TStates, 4);
    EXPECT_EQ(t[0x04].TStates, 7);
    EXPECT_EQ(t[0x05].TStates, 0);
    EXPECT_EQ(t[0x0F].TStates, -3);
    EXPECT_EQ(ReadText(",G,1\n", t).Status, InstructionSetReadStatus::Ok);
    EXPECT_EQ(t[0x00].Mnemonic, "G");  // an empty opcode field reads as 00
}

TEST(InstructionSetRecords, MalformedRecordsAreReportedWithTheirLine) {
    InstructionTable t{};
    struct Case {
        std::string text;
        int line;
    };
    // Past the size and line-length limits a file is unreadable too, however well formed.
    const std::string overlong = "00,NOP,4" + std::string(kMaxInstructionSetLine, ' ') + "\n";
    const std::string oversized(static_cast<std::size_t>(kMaxInstructionSetBytes) + 1, '\n');
    for (const Case& c :
         {Case{"00,NOP,4\n\t\n", 2}, Case{"00,NOP\n", 1}, Case{"00 NOP 4\n", 1}, Case{"; c\n100,NOP,4\n", 2},
          Case{"00,NOP,32768\n", 1}, Case{"00,NOP,1e9\n", 1}, Case{"; c\n" + overlong, 2}, Case{oversized, 0}}) {
        const auto result = ReadText(c.text, t);
        EXPECT_EQ(result.Status, InstructionSetReadStatus::Unreadable) << c.text.substr(0, 20);
        EXPECT_EQ(result.LineNumber, c.line) << c.text.substr(0, 20);
        EXPECT_FALSE(result.Reason.empty());
    }
    EXPECT_EQ(ReadText("00,NOP,-32768\n01,X,32767.4\n", t).Status, InstructionSetReadStatus::Ok);
}

class LoaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("vantric-loader-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
        host.directory = dir.string();
        splash.visible = true;
    }
    void TearDown() override { fs::remove_all(dir); }
    void WriteFile(const std::string& text) { std::ofstream(dir / "InstSet.Dat", std::ios::binary) << text; }
    InstructionSetLoadOutcome Load() {
        InstructionSetLoader loader(table, status, splash, messages, host);
        return loader.LoadInstructionSet();
    }

    fs::path dir;
    InstructionTable table{};
    fakes::FakeStatusBar status;
    fakes::FakeWindow splash;
    fakes::FakeMessageBox messages;
    fakes::FakeProgramHost host;
};

TEST_F(LoaderTest, ShippedSetLoadsAndPassesTheCheck) {
    InstructionSetLoader loader(table, status, splash, messages, host, VANTRIC_DATA_DIR "/InstSet.Dat");
    EXPECT_EQ(loader.LoadInstructionSet(), InstructionSetLoadOutcome::Loaded);
    EXPECT_EQ(status.Panel1History(),
              (std::vector<std::string>{"Loading instruction set ...", "Checking instruction set ...",
                                        "Finished loading instruction set"}));
    EXPECT_FALSE(host.ended);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(LoaderTest, CheckListsEveryEmptyRowAndTheProgramGoesOn) {
    std::ifstream shipped(VANTRIC_DATA_DIR "/InstSet.Dat");
    std::string text, line;
    while (std::getline(shipped, line))
        if (line.rfind("3E,", 0) != 0) text += line + "\n";
    WriteFile(text);
    EXPECT_EQ(Load(), InstructionSetLoadOutcome::CheckFailed);
    EXPECT_EQ(status.Panel(1),
              "Error in instruction set : Missing or extra instructions ! ( 8 10 18 28 38 3E CB D9 DD ED FD )");
    EXPECT_FALSE(host.ended);

    // A file of only comments and blank lines loads, then fails the check with all 256 opcodes.
    table = {};
    WriteFile("; nothing here\n\n   \n;\n");
    EXPECT_EQ(Load(), InstructionSetLoadOutcome::CheckFailed);
    const std::string message = status.Panel(1);
    EXPECT_NE(message.find("( 0 1 2 3 "), std::string::npos);
    EXPECT_NE(message.find(" FE FF )"), std::string::npos);

    // A record for an undefined byte value counts as an extra instruction.
    table = {};
    WriteFile(text + "3E,MVI A 8,7\n08,NOP,4\n");
    EXPECT_EQ(Load(), InstructionSetLoadOutcome::CheckFailed);
    EXPECT_EQ(status.Panel(1),
              "Error in instruction set : Missing or extra instructions ! ( 10 18 28 38 CB D9 DD ED FD )");
}

TEST_F(LoaderTest, MissingFileIsFatalWithMessageAfterTheSplashIsHidden) {
    EXPECT_EQ(Load(), InstructionSetLoadOutcome::Ended);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Instruction set not found - " + (dir / "InstSet.Dat").string());
    EXPECT_EQ(messages.shown[0].title, "Fatal error !");
    EXPECT_EQ(messages.shown[0].icon, platform::MessageIcon::Critical);
    EXPECT_FALSE(splash.visible);
    EXPECT_TRUE(host.ended);
    ASSERT_EQ(host.diagnostics.size(), 1u);
    EXPECT_NE(host.diagnostics[0].find("InstSet.Dat"), std::string::npos);
    EXPECT_EQ(status.Panel(1), "Loading instruction set ...");
}

TEST_F(LoaderTest, MalformedFileEndsSilentlyButLeavesADiagnostic) {
    WriteFile("00,NOP,4\n01,LXI B 16,10\n\t\n");
    EXPECT_EQ(Load(), InstructionSetLoadOutcome::Ended);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(host.ended);
    EXPECT_FALSE(splash.visible);
    ASSERT_EQ(host.diagnostics.size(), 1u);
    EXPECT_NE(host.diagnostics[0].find("InstSet.Dat:3: "), std::string::npos) << host.diagnostics[0];

    // A folder where the file should be is unreadable, not missing: no message either.
    fs::remove(dir / "InstSet.Dat");
    fs::create_directory(dir / "InstSet.Dat");
    host.ended = false;
    EXPECT_EQ(Load(), InstructionSetLoadOutcome::Ended);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(host.ended);
}

}  // namespace
}  // namespace vantric
