#include "cli/CliOptions.h"

#include <gtest/gtest.h>

#include <iterator>
#include <sstream>

#include "cli/CliApp.h"

namespace vantric::console {
namespace {

TEST(CliOptions, RunOptionsAtTheirEdgesAndUsageErrorsRefusedWithAReason) {
    std::string error;  // golden cases run every option; these are the edges
    const auto o = ParseCliArguments(
        {"run", "p.85", "--max-instructions", "9", "--max-instructions", "1", "--dump", "fff0:16"}, error);
    ASSERT_TRUE(o) << error;
    EXPECT_EQ(o->MaxInstructions, 1);           // the last one given
    EXPECT_EQ(o->Dumps.at(0).Address, 0xFFF0);  // ends exactly at FFFFH
    const auto presets =
        ParseCliArguments({"run", "p.85", "--set", "sp=FFFF", "--set", "F=ff", "--poke", "FFFE=1,2"}, error);
    ASSERT_TRUE(presets) << error;
    EXPECT_EQ(presets->Registers.at(0).Register, "SP");
    EXPECT_EQ(presets->Registers.at(0).Value, 0xFFFF);
    EXPECT_EQ(presets->Registers.at(1).Value, 0xFF);
    EXPECT_EQ(presets->Pokes.at(0).Address, 0xFFFE);  // its last byte at FFFFH
    EXPECT_EQ(presets->Pokes.at(0).Bytes, (std::vector<std::uint8_t>{1, 2}));
    // clang-format off
    for (const char* line : {"", "go p.85", "run", "assemble a.85 b.85", "run p.85 --listing", "assemble p.85 --trace",
                             "run p.85 --max-instructions", "run p.85 --max-instructions 0",
                             "run p.85 --max-instructions 12x", "run p.85 --dump 2000", "run p.85 --dump :4",
                             "run p.85 --dump FFF0:17", "run p.85 --dump 10000:0",
                             "run p.85 --dump 1:9223372036854775807", "run p.85 --bogus", "run p.85 --set A=100",
                             "run p.85 --set SP=10000", "run p.85 --set Q=1", "run p.85 --set A", "run p.85 --set M=1",
                             "run p.85 --poke FFFF=1,2", "run p.85 --poke 2000=", "run p.85 --poke 2000=1,,2",
                             "run p.85 --poke 2000=100", "assemble p.85 --set A=1"}) {
        // clang-format on
        std::istringstream words(line);
        const std::vector<std::string> args{std::istream_iterator<std::string>(words), {}};
        error.clear();
        EXPECT_FALSE(ParseCliArguments(args, error)) << line;
        EXPECT_FALSE(error.empty()) << line;
    }
    std::ostringstream out, err;
    EXPECT_EQ(RunCli({"run"}, out, err), ExitUsage);
    EXPECT_NE(err.str().find("usage:"), std::string::npos);
}

}  // namespace
}  // namespace vantric::console
