// Runs a few thousand generated programs through the run cycle and step mode and compares what
// each run leaves behind (registers, flags, SP, PC, T-states, memory, the stop reason, the current
// line, the progress lines and the editor's selection) with results recorded from an earlier,
// independently written engine (tests/data/engine-runs.txt).
//
// To record the file afresh (only when a change of behaviour is intended):
//   VANTRIC_RECORD_ENGINE_RUNS=$PWD/tests/data/engine-runs.txt build/release/bin/vantric_tests
//       --gtest_filter='EngineDifferential*'   (one command line)

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "control/ControlFixture.h"
#include "core/HexText.h"
#include "support/RandomPrograms.h"

namespace vantric {
namespace {

constexpr int kPrograms = 2400;
constexpr std::int64_t kInstructionLimit = 2500;
constexpr int kMaxRuns = 4;
constexpr int kMaxSteps = 120;

// FNV-1a over bytes, and over the 64 KB memory eight bytes at a time.
struct Digest {
    std::uint64_t value = 0xCBF29CE484222325ULL;
    void Add(std::string_view text) {
        for (const char c : text) value = (value ^ static_cast<std::uint8_t>(c)) * 0x100000001B3ULL;
        value = (value ^ 0xFF) * 0x100000001B3ULL;
    }
    void Add(std::int64_t number) { Add(std::to_string(number)); }
};

std::uint64_t MemoryDigest(const ProcessorState& cpu) {
    std::uint64_t hash = 0x9E3779B97F4A7C15ULL;
    for (std::size_t i = 0; i < cpu.Memory.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, cpu.Memory.data() + i, sizeof word);
        hash = (hash ^ word) * 0xFF51AFD7ED558CCDULL;
        hash ^= hash >> 29;
    }
    return hash;
}

std::string Hex64(std::uint64_t value) {
    std::ostringstream out;
    out << std::hex << std::uppercase << value;
    return out.str();
}

// One program's machine: the real assembler and engine behind the run cycle and step mode.
class RecordedMachine : public ControlFixture {
public:
    void TestBody() override {}
    std::string Program(std::uint64_t seed) const {
        return testing::RandomProgramWriter(app->Instructions, seed).Program();
    }

    // Runs, resuming after breakpoints and instruction limits; returns the letters of the outcomes
    // and adds what each stop left to `digest`.
    std::string RunSeveralTimes(const std::string& source, Digest& digest) {
        Load(source);
        cycle.SetInstructionLimit(kInstructionLimit);
        std::string outcomes;
        for (int i = 0; i < kMaxRuns; ++i) {
            run.BeginRun();
            outcomes += Outcome();
            Observe(digest);
            if (!app->Machine.Running()) break;
        }
        return outcomes;
    }

    // Steps from the start, one instruction per call, as F8 does.
    std::string StepThrough(const std::string& source, Digest& digest) {
        Load(source);
        step.Step();  // assembles
        if (app->Assembly.RecompileNeeded) return "C";
        int steps = 0;
        do {
            step.Step();
            Observe(digest);
        } while (++steps < kMaxSteps && app->Machine.Running());
        return "S" + std::to_string(steps);
    }

    std::string Summary() const {
        const ProcessorState& cpu = app->Processor;
        std::string registers;
        for (const int code : {RegA, RegB, RegC, RegD, RegE, RegH, RegL}) registers += HexText(cpu.Register(code), 2);
        registers += HexText(cpu.Flags, 2);
        return registers + " " + HexText(cpu.StackPointer, 4) + " " + HexText(cpu.ProgramCounter, 4) + " " +
               std::to_string(cpu.TStateCount) + " " + std::to_string(app->Machine.CurrentLine()) + " " +
               Hex64(MemoryDigest(cpu));
    }

private:
    char Outcome() const {
        const Machine& machine = app->Machine;
        if (app->Assembly.RecompileNeeded) return 'C';
        if (!machine.RuntimeError().empty()) return 'E';
        if (machine.Running() && run.LastOutcome() == RunOutcome::Breakpoint) return 'B';
        if (machine.Running() && run.LastOutcome() == RunOutcome::InstructionLimit) return 'L';
        if (machine.Running()) return 'P';
        return app->Assembly.StartAddress < 0 ? 'N' : 'F';
    }

    void Observe(Digest& digest) const {
        for (const std::string& line : Lines()) digest.Add(line);
        for (const auto& shown : messages.shown) digest.Add(shown.text);
        digest.Add(status.Panel(1));
        digest.Add(Summary());
        for (const std::int64_t n :
             {editor.selStart, editor.selLength, editor.readOnly ? 1 : 0, app->Machine.Running() ? 1 : 0})
            digest.Add(n);
    }
};

std::string RecordProgram(std::uint64_t seed) {
    RecordedMachine machine;
    const std::string source = machine.Program(seed);
    Digest digest;
    const std::string outcomes =
        seed % 4 == 3 ? machine.StepThrough(source, digest) : machine.RunSeveralTimes(source, digest);
    return std::to_string(seed) + " " + outcomes + " " + machine.Summary() + " " + Hex64(digest.value);
}

TEST(EngineDifferential, GeneratedProgramsEndAsRecorded) {
    if (const char* path = std::getenv("VANTRIC_RECORD_ENGINE_RUNS")) {
        std::ofstream out(path, std::ios::binary);
        for (int seed = 1; seed <= kPrograms; ++seed) out << RecordProgram(static_cast<std::uint64_t>(seed)) << '\n';
        ASSERT_TRUE(out.good()) << path;
        GTEST_SKIP() << "recorded " << kPrograms << " programs in " << path;
    }
    std::ifstream in(VANTRIC_TEST_DATA_DIR "/engine-runs.txt", std::ios::binary);
    ASSERT_TRUE(in) << "tests/data/engine-runs.txt is missing";
    std::string expected;
    int compared = 0, mismatches = 0;
    while (std::getline(in, expected)) {
        const auto seed = std::strtoull(expected.c_str(), nullptr, 10);
        const std::string actual = RecordProgram(seed);
        if (actual != expected && ++mismatches <= 5) {
            ADD_FAILURE() << "program " << seed << "\n  recorded: " << expected << "\n  now:      " << actual << "\n"
                          << RecordedMachine().Program(seed);
        }
        ++compared;
    }
    EXPECT_EQ(compared, kPrograms);
    EXPECT_EQ(mismatches, 0);
}

}  // namespace
}  // namespace vantric
