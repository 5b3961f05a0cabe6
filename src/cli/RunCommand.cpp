#include "cli/RunCommand.h"

#include "assembler/Compiler.h"
#include "cli/AssembleCommand.h"
#include "cli/CliApp.h"
#include "cli/ConsolePlatform.h"
#include "cli/ProgramFileReader.h"
#include "control/MachineDisplay.h"
#include "control/RunCycle.h"
#include "core/HexText.h"
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

}  // namespace

int RunProgramCommand(const CliOptions& options, const InstructionTable& instructions, AssemblyTables& program,
                      Machine& machine, std::ostream& out, std::ostream& err) {
    ConsoleEditor editor;
    if (!LoadProgramIntoEditor(options.ProgramFile, editor, err)) return ExitProgramUnreadable;
    ConsoleStatusBar status;
    ConsoleMessageBox messages(err);
    ConsoleEventPump pump;
    ConsoleClock clock;
    AbsentMachineViews views;
    PrintedProgressList progress(out);
    MachineDisplay display(progress, editor, views);
    machine.SetObserver(&display);
    Compiler compiler(machine.State(), instructions, program, editor, status, pump);
    RunCycle cycle(machine, program, compiler, progress, editor, status, messages, pump, clock, views);
    cycle.SetIgnoreBreakpoints(options.IgnoreBreakpoints);
    if (options.MaxInstructions) cycle.SetInstructionLimit(static_cast<std::uint64_t>(*options.MaxInstructions));
    ConsoleTrace trace(machine.State(), out);
    if (options.Trace) cycle.SetTrace(&trace);
    if (!options.Registers.empty() || !options.Pokes.empty())
        cycle.SetBeforeRun([&options](ProcessorState& cpu) { ApplyPresets(options, cpu); });

    cycle.PrepareRun();
    const RunOutcome outcome = cycle.Activate();
    machine.SetObserver(nullptr);

    if (outcome == RunOutcome::CompileFailed) {
        out << ErrorLineText(editor.HeldText(), program.ErrorStart) << '\n';
        return ExitAssemblyError;
    }
    for (const std::string& line : RegisterLines(machine.State())) out << line << '\n';
    out << "T states : " << machine.State().TStateCount << '\n';
    for (const MemoryDumpRequest& dump : options.Dumps) PrintDump(machine.State(), dump, out);

    switch (outcome) {
        case RunOutcome::RuntimeError:
        case RunOutcome::NoCode: return ExitRuntimeError;
        case RunOutcome::Breakpoint: return ExitBreakpoint;
        case RunOutcome::InstructionLimit: return ExitInstructionLimit;
        default: return ExitHalted;
    }
}

}  // namespace vantric::console
