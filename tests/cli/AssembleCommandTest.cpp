// `vantric-cli assemble`: reading program files, the error report and the listing.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "cli/AssembleCommand.h"
#include "cli/CliApp.h"
#include "cli/ProgramFileReader.h"

namespace vantric::console {
namespace {

namespace fs = std::filesystem;

class AssembleCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("vantric-assemble-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Write(const std::string& name, const std::string& bytes) {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    int Assemble(const std::string& path, bool listing = false) {
        out.str("");
        err.str("");
        std::vector<std::string> args{"assemble", path, "--instset", VANTRIC_DATA_DIR "/InstSet.Dat"};
        if (listing) args.push_back("--listing");
        return RunCli(args, out, err);
    }

    fs::path dir_;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(AssembleCommandTest, FilesAreReadByteForByte) {
    std::string bytes;
    for (int c = 1; c < 256; ++c)
        if (c != '\n' && c != '\r') bytes += static_cast<char>(c);
    const auto read = ReadProgramFile(Write("all.85", bytes + "\n" + bytes));
    ASSERT_TRUE(read.Ok) << read.Error;
    EXPECT_EQ(read.Text, bytes + "\r\n" + bytes);

    const auto missing = ReadProgramFile((dir_ / "none.85").string());
    EXPECT_FALSE(missing.Ok);
    EXPECT_NE(missing.Error.find("none.85"), std::string::npos);
    EXPECT_NE(missing.Error.find("No such file"), std::string::npos);

    const auto directory = ReadProgramFile(dir_.string());
    EXPECT_FALSE(directory.Ok);
    EXPECT_NE(directory.Error.find(dir_.string()), std::string::npos);
}

TEST_F(AssembleCommandTest, UnreadableFilesExit66WithTheReasonOnStderr) {
    EXPECT_EQ(Assemble((dir_ / "gone.85").string()), ExitProgramUnreadable);
    EXPECT_EQ(out.str(), "");
    EXPECT_NE(err.str().find("gone.85"), std::string::npos);
    EXPECT_EQ(Assemble(dir_.string()), ExitProgramUnreadable);
}

TEST_F(AssembleCommandTest, ErrorsNameTheLineCountedFromOne) {
    EXPECT_EQ(Assemble(Write("a.85", "NOP\r\n\r\n\tJMP NOWHERE ; x\r\nHLT")), ExitAssemblyError);
    EXPECT_EQ(out.str(), "Compiling code ...\nCompiler error : Unknown label\nLine 3: \tJMP NOWHERE ; x\n");

    // The last line, without a line break in the file, is reported without one too.
    EXPECT_EQ(Assemble(Write("b.85", "NOP\nLOOP: NOP\nloop: HLT")), ExitAssemblyError);
    EXPECT_EQ(out.str(), "Compiling code ...\nCompiler error : Duplicate label\nLine 3: loop: HLT\n");

    EXPECT_EQ(Assemble(Write("c.85", "XYZ\r\n"), true), ExitAssemblyError);
    EXPECT_EQ(out.str(), "Compiling code ...\nCompiler error : Invalid Mnemonic\nLine 1: XYZ\n");
}

TEST_F(AssembleCommandTest, ListingShowsEveryLineWithItsInstructionsFinalBytes) {
    // The jump's own bytes, its label filled in, even though the NOP went over its opcode.
    ASSERT_EQ(Assemble(Write("l.85", "\r\n  jmp end\r\nend:\thlt ;stop\r\n;ORG 1000H\r\nnop"), true), ExitHalted);
    EXPECT_EQ(out.str(),
              "Compiling code ...\n"
              "Compiled successfully\n"
              "                \n"
              "1000  C3 03 10    jmp end\n"
              "1003  76        end:\thlt ;stop\n"
              "                ;ORG 1000H\n"
              "1000  00        nop\n");

    // An empty file is one empty line.
    ASSERT_EQ(Assemble(Write("e.85", ""), true), ExitHalted);
    EXPECT_EQ(out.str(), "Compiling code ...\nCompiled successfully\n                \n");
}

}  // namespace
}  // namespace vantric::console
