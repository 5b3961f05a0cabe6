#include "cli/CliOptions.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/CliApp.h"

namespace vantric::console {
namespace {

std::optional<CliOptions> Parse(std::vector<std::string> args, std::string* errorOut = nullptr) {
    std::string error;
    auto options = ParseCliArguments(args, error);
    if (errorOut) *errorOut = error;
    return options;
}

TEST(CliOptions, RunTakesEveryOptionInAnyOrder) {
    const auto o = Parse({"run", "--trace", "prog.85", "--max-instructions", "500", "--dump", "2000:256",
                          "--ignore-breakpoints", "--dump", "fff0:16", "--instset", "/x/InstSet.Dat"});
    ASSERT_TRUE(o);
    EXPECT_EQ(o->Command, CliCommand::Run);
    EXPECT_EQ(o->ProgramFile, "prog.85");
    EXPECT_TRUE(o->Trace);
    EXPECT_TRUE(o->IgnoreBreakpoints);
    EXPECT_EQ(o->MaxInstructions, 500);
    ASSERT_EQ(o->Dumps.size(), 2u);
    EXPECT_EQ(o->Dumps[0].Address, 0x2000);
    EXPECT_EQ(o->Dumps[0].Count, 256);
    EXPECT_EQ(o->Dumps[1].Address, 0xFFF0);
    EXPECT_EQ(o->InstructionSetPath, "/x/InstSet.Dat");

    const auto a = Parse({"assemble", "p.85", "--listing"});
    ASSERT_TRUE(a);
    EXPECT_TRUE(a->Listing);
}

TEST(CliOptions, UsageErrorsAreRefusedWithAReason) {
    for (const auto& args : std::vector<std::vector<std::string>>{{},
                                                                  {"go", "p.85"},
                                                                  {"run"},
                                                                  {"run", "a.85", "b.85"},
                                                                  {"run", "p.85", "--listing"},
                                                                  {"assemble", "p.85", "--trace"},
                                                                  {"run", "p.85", "--max-instructions"},
                                                                  {"run", "p.85", "--max-instructions", "0"},
                                                                  {"run", "p.85", "--max-instructions", "12x"},
                                                                  {"run", "p.85", "--dump", "2000"},
                                                                  {"run", "p.85", "--dump", "FFF0:17"},
                                                                  {"run", "p.85", "--dump", "10000:0"},
                                                                  {"run", "p.85", "--dump", "1:9223372036854775807"},
                                                                  {"run", "p.85", "--dump", "zz:1"},
                                                                  {"run", "p.85", "--bogus"}}) {
        std::string error;
        EXPECT_FALSE(Parse(args, &error)) << ::testing::PrintToString(args);
        EXPECT_FALSE(error.empty());
    }
    EXPECT_TRUE(Parse({"run", "p.85", "--dump", "FFF0:16"}));  // ends exactly at FFFF
}

TEST(CliApp, VersionAndUsageStatuses) {
    std::ostringstream out, err;
    EXPECT_EQ(RunCli({"--version"}, out, err), ExitHalted);
    EXPECT_EQ(out.str(), "Vantric 1.3.7\n");
    EXPECT_EQ(RunCli({"run"}, out, err), ExitUsage);
    EXPECT_NE(err.str().find("usage:"), std::string::npos);
}

TEST(CliApp, MissingInstructionSetExitsSeventyWithTheLoaderMessage) {
    std::ostringstream out, err;
    EXPECT_EQ(RunCli({"assemble", "p.85", "--instset", "/nonexistent/InstSet.Dat"}, out, err),
              ExitInstructionSetUnusable);
    EXPECT_NE(err.str().find("Fatal error !: Instruction set not found - /nonexistent/InstSet.Dat"), std::string::npos)
        << err.str();
    EXPECT_EQ(out.str(), "");
}

}  // namespace
}  // namespace vantric::console
