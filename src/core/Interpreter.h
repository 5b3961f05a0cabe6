#pragma once
// The execution engine: one 8085 instruction per call, with T-state counting and tracking of the
// source line whose instruction is at PC.

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "assembler/AssemblyTables.h"
#include "core/InstructionTable.h"
#include "core/MachineViews.h"
#include "core/MemoryWriter.h"
#include "core/ProcessorState.h"
#include "platform/Editor.h"
#include "platform/EventPump.h"
#include "platform/ListBox.h"

namespace vantric {

class Interpreter {
public:
    // The T-state counts are copied from `instructions` here; call ReloadTStates if the table is
    // filled after construction.
    Interpreter(ProcessorState& cpu, const InstructionTable& instructions, const AssemblyTables& tables,
                MemoryWriter& memory, platform::ListBox& progress, platform::Editor& editor, MachineViews& views,
                platform::EventPump& pump);

    // locateOnly false: executes the instruction at PC, counts its T-states, and checks that PC has
    // reached the first byte of an assembled line (otherwise RuntimeError is set and Running
    // cleared). locateOnly true: only finds the line of PC and selects it in the editor.
    void Execute(bool locateOnly) {
        if (locateOnly) {
            LocateLine();
            return;
        }
        // Defined here so the run loop's call inlines down to one indirect jump.
        handlers_[cpu_.Memory[static_cast<std::uint16_t>(cpu_.ProgramCounter)]](*this);
    }

    // Appends "Warning : Instruction NAME (XXH) not supported." to the progress list, once per
    // opcode until WarnedOpcodes is cleared.
    void WarnUnsupported(const char* name, int opcode);

    void ReloadTStates();

private:
    using Handler = void (*)(Interpreter&);
    template <int Opcode>
    void Perform(ProcessorState& cpu);
    template <int Opcode>
    static void Step(Interpreter& self);
    template <std::size_t... Opcodes>
    static constexpr std::array<Handler, 256> MakeHandlers(std::index_sequence<Opcodes...>);
    void FinishInstruction(ProcessorState& cpu);
    void Call(ProcessorState& cpu);
    void Return(ProcessorState& cpu);
    void FinishAfterRefresh();
    void LocateLine();
    void SearchLine(bool locateOnly);
    [[gnu::noinline]] void SearchAndSelectLine(bool locateOnly);
    std::int64_t FindLine(std::int32_t pc, std::int64_t current);
    std::int64_t IndexedSearch(std::int32_t pc, std::int64_t backHigh, std::int64_t forwardLow,
                               std::int64_t forwardHigh);
    void RebuildLineIndex();

    ProcessorState& cpu_;
    const InstructionTable& instructions_;
    const AssemblyTables& tables_;
    MemoryWriter& memory_;
    platform::ListBox& progress_;
    platform::Editor& editor_;
    MachineViews& views_;
    platform::EventPump& pump_;
    std::array<std::int16_t, 256> tstates_{};
    // For assembled tables: the instruction lines of each address in ascending order, so a search
    // costs the lines at PC, not the lines in between; one entry per instruction line, so a source
    // of mostly empty lines costs nothing here. Rebuilt when the tables' generation changes.
    std::uint64_t indexedGeneration_ = 0;
    std::vector<std::uint32_t> firstLineAt_;     // per address and one more: where its lines start in linesByAddress_
    std::vector<std::int32_t> linesByAddress_;  // the instruction lines, by address, each address's in ascending order
    // Per address: its one line, kNoLine when no line has it, kSearchLines when the ranges decide.
    static constexpr std::int32_t kNoLine = -1;
    static constexpr std::int32_t kSearchLines = -2;
    std::vector<std::int32_t> onlyLineAt_;
    // One complete instruction per opcode, common end included; Execute jumps through it.
    static const std::array<Handler, 256> handlers_;
};

}  // namespace vantric
