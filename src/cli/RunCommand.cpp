#include "cli/RunCommand.h"

#include "assembler/Compiler.h"
#include "cli/AssembleCommand.h"
#include "cli/CliApp.h"
#include "cli/ConsolePlatform.h"
#include "cli/ConsoleRunWindow.h"
#include "cli/ProgramFileReader.h"
#include "control/RunWindowPresenter.h"
#include "core/HexText.h"
#include "core/Interpreter.h"
#include "core/MemoryWriter.h"
#include "editing/RegisterPrintout.h"

namespace vantric::console {

namespace {

// One line per executed instruction: its address and opcode, then the registers after it.
class ConsoleTrace : public ExecutionTrace {
public:
    ConsoleTrace(const ProcessorState& cpu, std::ostream& out) : cpu_(cpu), out_(out) {}
    void AfterInstruction(std::int32_t address, std::uint8_t opcode) override {
        out_ << "PC=" << HexText(address, 4) << " OP=" << HexText(opcode, 2);
        static constexpr struct { const char* name; int code; } kRegisters[] = {
            {" A=", RegA}, {" B=", RegB}, {" C=", RegC}, {" D=", RegD}, {" E=", RegE}, {" H=", RegH}, {" L=", RegL}};
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

}  // namespace

int RunProgramCommand(const CliOptions& options, AppState& app, std::ostream& out, std::ostream& err) {
    ConsoleEditor editor;
    if (!LoadProgramIntoEditor(options.ProgramFile, editor, err)) return ExitProgramUnreadable;
    ConsoleStatusBar status;
    ConsoleMessageBox messages(err);
    ConsoleEventPump pump;
    ConsoleClock clock;
    AbsentMachineViews views;
    AbsentMemoryGrid grid;
    ConsoleRunWindow window(out);
    MemoryWriter writer(app.Processor, app.MemoryDump, grid);
    Interpreter interpreter(app.Processor, app.Instructions, app.Assembly, writer, window.ProgressList(), editor, views,
                            pump);
    Compiler compiler(app.Processor, app.Instructions, app.Assembly, editor, status, pump);
    RunWindowPresenter presenter(app, compiler, interpreter, window, editor, status, messages, pump, clock, views);
    window.OnActivate([&presenter] { presenter.Form_Activate(); });
    presenter.SetIgnoreBreakpoints(options.IgnoreBreakpoints);
    if (options.MaxInstructions) presenter.SetInstructionLimit(*options.MaxInstructions);
    ConsoleTrace trace(app.Processor, out);
    if (options.Trace) presenter.SetTrace(&trace);

    presenter.BeginRun();

    if (app.Assembly.RecompileNeeded) {
        out << ErrorLineText(editor.HeldText(), app.Assembly.ErrorStart) << '\n';
        return ExitAssemblyError;
    }
    for (const std::string& line : RegisterLines(app.Processor)) out << line << '\n';
    out << "T states : " << app.Processor.TStateCount << '\n';
    for (const MemoryDumpRequest& dump : options.Dumps) PrintDump(app.Processor, dump, out);

    const ProcessorState& cpu = app.Processor;
    if (!cpu.RuntimeError.empty() || app.Assembly.StartAddress == -1) return ExitRuntimeError;
    if (cpu.Running && presenter.BreakpointHit()) return ExitBreakpoint;
    if (cpu.Running && presenter.InstructionLimitReached()) return ExitInstructionLimit;
    return ExitHalted;
}

}  // namespace vantric::console
