#include "cli/RunCommand.h"

#include <memory>

#include "assembler/Compiler.h"
#include "cli/AssembleCommand.h"
#include "cli/CliApp.h"
#include "cli/ConsolePlatform.h"
#include "cli/JsonReport.h"
#include "cli/ProgramFileReader.h"
#include "control/MachineDisplay.h"
#include "control/RunCycle.h"
#include "core/HexText.h"
#include "core/TextScan.h"
#include "editing/RegisterPrintout.h"

namespace vantric::console {

namespace {

// One line per executed instruction: its address and opcode, then the registers after it.
class ConsoleTrace : public ExecutionTrace {
public:
    ConsoleTrace(const ProcessorState& cpu, std::ostream& out) : cpu_(cpu), out_(out) {}
    void AfterInstruction(std::int32_t address, std::uint8_t opcode) override {
        out_ << "PC=" << HexText(address, 4) << " OP=" << HexText(opcode, 2);
        static constexpr struct {
            const char* name;
            int code;
        } kRegisters[] = {{" A=", RegA}, {" B=", RegB}, {" C=", RegC}, {" D=", RegD},
                          {" E=", RegE}, {" H=", RegH}, {" L=", RegL}};
        for (const auto& reg : kRegisters) out_ << reg.name << HexText(cpu_.Register(reg.code), 2);
        out_ << " F=" << HexText(cpu_.Flags, 2) << " SP=" << HexText(cpu_.StackPointer, 4) << '\n';
    }

private:
    const ProcessorState& cpu_;
    std::ostream& out_;
};

void PrintDump(const ProcessorState& cpu, const MemoryDumpRequest& dump, std::ostream& out) {
    for (std::int32_t line = 0; line < dump.Count; line += 16) {
        const std::int32_t start = dump.Address + line;
        out << HexText(start, 4) << ':';
        for (std::int32_t a = start; a < start + 16 && a < dump.Address + dump.Count; ++a)
            out << ' ' << HexText(cpu.Memory[static_cast<std::size_t>(a)], 2);
        out << '\n';
    }
}

// --set and --poke, in the order given.
void ApplyPresets(const CliOptions& options, ProcessorState& cpu) {
    static constexpr struct {
        const char* name;
        int code;
    } kByteRegisters[] = {{"A", RegA}, {"B", RegB}, {"C", RegC}, {"D", RegD}, {"E", RegE}, {"H", RegH}, {"L", RegL}};
    for (const RegisterPreset& preset : options.Registers) {
        const auto value = static_cast<std::uint8_t>(preset.Value);
        if (preset.Register == "F") cpu.Flags = value;
        if (preset.Register == "SP") cpu.StackPointer = preset.Value;
        if (preset.Register == "PC") cpu.ProgramCounter = preset.Value;
        for (const auto& reg : kByteRegisters)
            if (preset.Register == reg.name) cpu.Register(reg.code) = value;
    }
    for (const MemoryPoke& poke : options.Pokes)
        for (std::size_t i = 0; i < poke.Bytes.size(); ++i) cpu.Memory[poke.Address + i] = poke.Bytes[i];
}

// Progress lines kept for the JSON report instead of printed.
class RecordedProgressList : public platform::ListBox {
public:
    void Clear() override {}
    void AddItem(const std::string& text) override { Lines.push_back(text); }
    std::vector<std::string> Lines;
};

int ExitStatus(RunOutcome outcome) {
    switch (outcome) {
        case RunOutcome::CompileFailed: return ExitAssemblyError;
        case RunOutcome::RuntimeError:
        case RunOutcome::NoCode: return ExitRuntimeError;
        case RunOutcome::Breakpoint: return ExitBreakpoint;
        case RunOutcome::InstructionLimit: return ExitInstructionLimit;
        default: return ExitHalted;
    }
}

const char* StopName(RunOutcome outcome) {
    switch (outcome) {
        case RunOutcome::CompileFailed: return "assembly_error";
        case RunOutcome::RuntimeError: return "runtime_error";
        case RunOutcome::NoCode: return "no_code";
        case RunOutcome::Breakpoint: return "breakpoint";
        case RunOutcome::InstructionLimit: return "instruction_limit";
        case RunOutcome::Finished: return "halted";
        default: return "paused";
    }
}

}  // namespace

int RunProgramCommand(const CliOptions& options, const std::string& file, const InstructionTable& instructions,
                      std::ostream& out, std::ostream& err) {
    RunFacts facts;
    facts.File = file;
    ProgramFileText source = ReadProgramFile(file);
    if (!source.Ok) {
        err << "vantric-cli: " << source.Error << '\n';
        if (options.Json) {
            facts.Status = ExitProgramUnreadable;
            facts.Stop = "unreadable";
            facts.Error = source.Error;
            out << JsonRunReport(facts, options.Dumps) << '\n';
        }
        return ExitProgramUnreadable;
    }
    // Each program starts from the reset state; the engine's memory is large, so it lives on the heap.
    auto program = std::make_unique<AssemblyTables>();
    auto machine = std::make_unique<Machine>(*program);
    machine->LoadTimings(instructions);
    machine->Reset();
    ConsoleEditor editor;
    editor.SetText(std::move(source.Text));
    ConsoleStatusBar status;
    ConsoleMessageBox messages(err);
    ConsoleEventPump pump;
    ConsoleClock clock;
    AbsentMachineViews views;
    PrintedProgressList printed(out);
    RecordedProgressList recorded;
    platform::ListBox& progress = options.Json ? static_cast<platform::ListBox&>(recorded) : printed;
    MachineDisplay display(progress, editor, views);
    machine->SetObserver(&display);
    Compiler compiler(machine->State(), instructions, *program, editor, status, pump);
    RunCycle cycle(*machine, *program, compiler, progress, editor, status, messages, pump, clock, views);
    cycle.SetIgnoreBreakpoints(options.IgnoreBreakpoints);
    if (options.MaxInstructions) cycle.SetInstructionLimit(static_cast<std::uint64_t>(*options.MaxInstructions));
    ConsoleTrace trace(machine->State(), options.Json ? err : out);
    if (options.Trace) cycle.SetTrace(&trace);
    if (!options.Registers.empty() || !options.Pokes.empty())
        cycle.SetBeforeRun([&options](ProcessorState& cpu) { ApplyPresets(options, cpu); });

    cycle.PrepareRun();
    const RunOutcome outcome = cycle.Activate();
    machine->SetObserver(nullptr);
    const int exitStatus = ExitStatus(outcome);
    const std::string& text = editor.HeldText();

    if (options.Json) {
        facts.Status = exitStatus;
        facts.Stop = StopName(outcome);
        facts.Progress = std::move(recorded.Lines);
        if (outcome == RunOutcome::CompileFailed) {
            facts.Error = program->CompileError;
            facts.ErrorLine = LineNumberAt(text, program->ErrorStart);
            facts.ErrorLineText = ErrorSourceLine(text, program->ErrorStart);
        } else {
            facts.Cpu = &machine->State();
            facts.Instructions = machine->InstructionsRun();
            facts.RuntimeError = machine->RuntimeError();
            const std::int32_t line = machine->CurrentLine();
            if (line >= 1 && line <= program->LineCount) {
                facts.CurrentLine = line;
                facts.CurrentLineText = SourceLine(text, *program, line);
            }
        }
        out << JsonRunReport(facts, options.Dumps) << '\n';
        return exitStatus;
    }

    if (outcome == RunOutcome::CompileFailed) {
        out << ErrorLineText(text, program->ErrorStart) << '\n';
        return exitStatus;
    }
    for (const std::string& line : RegisterLines(machine->State())) out << line << '\n';
    out << "T states : " << machine->State().TStateCount << '\n';
    for (const MemoryDumpRequest& dump : options.Dumps) PrintDump(machine->State(), dump, out);
    return exitStatus;
}

}  // namespace vantric::console
