// libFuzzer harness: arbitrary bytes as the editor's text, assembled with the shipped instruction
// set. Besides the sanitizers' checks, every run verifies that the tables stay consistent, that
// only bytes inside assembled instructions change, and that a second assembly of the same text
// gives the same result.
// Built by -DVANTRIC_FUZZ=ON; see docs/fuzzing.md.

#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <set>
#include <string>

#include "assembler/Compiler.h"
#include "core/InstructionSetFile.h"
#include "support/Fakes.h"

using namespace vantric;

namespace {

constexpr std::uint8_t kFill = 0xA5;

void Check(bool condition, const char* what, long long detail = 0) {
    if (condition) return;
    std::fprintf(stderr, "CompileFuzzer: %s (%lld)\n", what, detail);
    std::abort();
}

// One assembler with its state and fakes, kept across inputs (allocating 64 KB states per input
// would dominate the run time) and reset before each use.
struct Run {
    struct Target {
        InstructionTable Instructions;
        AssemblyTables Assembly;
        ProcessorState Processor;
    };
    std::unique_ptr<Target> app = std::make_unique<Target>();
    fakes::FakeEditor editor;
    fakes::FakeStatusBar status;
    fakes::FakeEventPump events;
    Compiler compiler{app->Processor, app->Instructions, app->Assembly, editor, status, events};
    bool ok = false;

    Run() {
        const auto read = ReadInstructionSetFile(VANTRIC_FUZZ_INSTSET, app->Instructions);
        Check(read.Status == InstructionSetReadStatus::Ok, "cannot read " VANTRIC_FUZZ_INSTSET);
    }
    void Reset(const std::string& text) {
        app->Processor.Memory.fill(kFill);
        editor.text = text;
        editor.selStart = editor.selLength = editor.textChanges = 0;
        status.panels.clear();
        status.history.clear();
    }
    bool Compile() { return ok = compiler.CompileProgram(); }
};

void CheckInvariants(const std::string& input, Run& run) {
    const AssemblyTables& t = run.app->Assembly;
    const std::string& text = run.editor.text;
    const auto size = static_cast<long long>(text.size());

    Check(!text.empty() && text.back() == '\n', "text does not end in LF");
    Check(text == input || text == input + "\r\n", "text changed beyond the appended line break");

    Check(t.LineCount >= 1, "no lines", t.LineCount);
    const auto entries = static_cast<std::size_t>(t.LineCount) + 2;
    Check(t.Lines.size() == entries, "line tables not sized LineCount + 2", t.LineCount);
    const auto last = static_cast<std::int32_t>(entries - 1);
    Check(t.LineAddress(0) == -1 && t.LineAddress(last) == -1 && t.LineLength(0) == 0 && t.LineLength(last) == 0,
          "line table end entries used");

    std::int32_t firstAddress = -1;
    long long previousEnd = 0;
    for (std::int32_t n = 1; n < last; ++n) {
        const std::int32_t address = t.LineAddress(n);
        const int length = run.compiler.InstructionLength(n);
        Check(address == -1 || (address >= 0 && address <= 0xFFFF), "line address outside memory", address);
        if (t.LineLength(n) == 0) continue;  // not reached
        Check(t.LineStart(n) == previousEnd, "line does not start where the previous one ended", t.LineStart(n));
        Check(t.LineLength(n) >= 2 && t.LineStart(n) + t.LineLength(n) - 1 <= size, "line runs past the text");
        previousEnd = t.LineStart(n) + t.LineLength(n) - 1;
        if (address >= 0) {
            Check(length >= 1 && length <= 3, "instruction length", length);
            if (run.ok) Check(address + length <= 0xFFFF, "instruction ends past FFFE", address);
            if (firstAddress < 0) firstAddress = address;
        } else {
            Check(length == 0, "length without address", length);
        }
    }
    if (run.ok) Check(previousEnd == size, "lines do not cover the text", previousEnd);

    Check(t.StartAddress == firstAddress, "StartAddress is not the first line address", t.StartAddress);
    Check(t.Breakpoints.size() == static_cast<std::size_t>(t.BreakpointCount) + 1, "breakpoint table size");
    for (std::size_t i = 1; i < t.Breakpoints.size(); ++i)
        Check(t.Breakpoints[i] >= 0 && t.Breakpoints[i] <= 0xFFFF, "breakpoint outside memory", t.Breakpoints[i]);
    std::set<std::string> names;
    for (std::size_t i = 0; i < run.compiler.LabelCount(); ++i) {
        const LabelEntry label = run.compiler.Label(i);
        Check(label.Address >= 0 && label.Address <= 0xFFFF, "label outside memory", label.Address);
        Check(names.insert(std::string(label.Name)).second, "label defined twice");
    }

    // Replaying every line's bytes at its address, in source order and never past FFFFH, onto the
    // memory as it was must give the memory as it is: nothing else was written.
    static const auto shadow = std::make_unique<std::array<std::uint8_t, kMemorySize>>();
    shadow->fill(kFill);
    for (std::int32_t n = 1; n < last; ++n) {
        const Compiler::PlacedData data = run.compiler.DataAt(n);
        if (t.LineAddress(n) < 0 && data.Address < 0) continue;
        long long address = data.Address >= 0 ? data.Address : t.LineAddress(n);
        for (const std::uint8_t byte : data.Address >= 0 ? data.Bytes : run.compiler.InstructionBytes(n)) {
            if (address > 0xFFFF) break;
            (*shadow)[static_cast<std::size_t>(address++)] = byte;
        }
    }
    Check(*shadow == run.app->Processor.Memory, "memory differs from the lines' bytes");

    if (run.ok) {
        Check(t.CompileError.empty() && !t.RecompileNeeded, "success with an error or RecompileNeeded");
        Check(run.status.Panel(1).empty(), "status text after success");
        for (std::size_t r = 0; r < run.compiler.ReferenceCount(); ++r) {
            const PendingReference reference = run.compiler.Reference(r);
            std::int32_t target = -1;
            for (std::size_t i = 0; i < run.compiler.LabelCount(); ++i)
                if (run.compiler.Label(i).Name == reference.Label) {
                    target = run.compiler.Label(i).Address;
                    break;
                }
            Check(target >= 0, "reference to an undefined label survived");
            const auto& memory = run.app->Processor.Memory;
            const auto at = static_cast<std::size_t>(reference.Address);
            Check(memory[at] == (target & 0xFF) && memory[at + 1] == (target >> 8), "reference not filled", target);
        }
    } else {
        static const std::set<std::string> kMessages = {kInvalidLabelName,      kHexTooLong,
                                                        kInvalidMnemonic,       kInvalidAddress,
                                                        kDuplicateLabel,        kCodeExceedsRam,
                                                        kUnknownLabel,          kInvalidByteValue,
                                                        kInvalidDataOperand,    kMissingConstantName,
                                                        kInvalidConstantName,   kInvalidConstantValue,
                                                        kDuplicateConstantName, kReservedSpaceExceedsRam};
        Check(kMessages.count(t.CompileError) == 1, "unknown error message");
        Check(t.RecompileNeeded, "failure without RecompileNeeded");
        Check(0 <= t.ErrorStart && t.ErrorStart <= t.ErrorEnd && t.ErrorEnd <= size, "error span", t.ErrorStart);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);

    static Run first, second;
    first.Reset(input);
    first.Compile();
    CheckInvariants(input, first);

    // The same text again, on the memory the first run left: the same outcome, tables and memory.
    second.Reset(first.editor.text);
    second.app->Processor.Memory = first.app->Processor.Memory;
    second.Compile();
    const AssemblyTables& a = first.app->Assembly;
    const AssemblyTables& b = second.app->Assembly;
    Check(first.ok == second.ok && a.CompileError == b.CompileError && a.ErrorStart == b.ErrorStart &&
              a.ErrorEnd == b.ErrorEnd && a.Lines == b.Lines && a.Breakpoints == b.Breakpoints &&
              a.StartAddress == b.StartAddress,
          "second assembly differs");
    Check(first.app->Processor.Memory == second.app->Processor.Memory, "second assembly left other memory");
    Check(second.editor.textChanges == 0, "second assembly rewrote the text");
    return 0;
}
