#pragma once
// The simulated 8085 machine: processor state and memory, the instruction timings, the map of the
// assembled lines and the breakpoints. It runs the program for a budget of instructions or one
// instruction at a time, tracks the source line of PC, and tells the world outside only through a
// MachineObserver.

#include <array>
#include <atomic>
#include <cstdint>
#include <limits>
#include <vector>

#include "assembler/AssemblyTables.h"
#include "core/InstructionTable.h"
#include "core/LineMap.h"
#include "core/MachineObserver.h"
#include "core/ProcessorState.h"

namespace vantric {

// Why a run stopped.
enum class StopReason {
    Halted,             // HLT: Running is false, RuntimeError empty
    UncompiledAddress,  // PC left the assembled lines: Running false, RuntimeError set
    Breakpoint,         // PC reached a breakpoint address; the program is still running
    StopRequested,      // the caller's stop flag was raised
    InstructionLimit,   // the run's instruction limit is used up
    BudgetUsed,         // this call's budget is used up, or events are waiting: yield, then call again
};

inline constexpr const char* kUncompiledAddressError = "Missing HLT. Uncompiled address reached";

class Machine {
public:
    static constexpr std::uint64_t kNoLimit = std::numeric_limits<std::uint64_t>::max();
    // Instructions between two chances to yield.
    static constexpr std::uint32_t kYieldInterval = 100;
    static constexpr std::uint8_t kWatchedAddress = 1;

    // `program`: the assembler's tables, read for the line map whenever they change.
    explicit Machine(const AssemblyTables& program) : program_(program) {}
    Machine(const Machine&) = delete;
    Machine& operator=(const Machine&) = delete;

    ProcessorState& State() { return state_; }
    const ProcessorState& State() const { return state_; }

    // Takes the T-state counts of `table`; call again when the table is filled later.
    void LoadTimings(const InstructionTable& table);
    void SetObserver(MachineObserver* observer) { observer_ = observer; }
    // A flag that is raised while window events may be waiting (null: always assume they are). At
    // every kYieldInterval-th instruction of a run, Run returns BudgetUsed when it is raised.
    void SetYieldSignal(const std::atomic<bool>* eventsMayBePending) { yieldSignal_ = eventsMayBePending; }
    void SetIgnoreBreakpoints(bool ignore);

    // A run begins (or resumes): the yield cadence and the instruction count start again.
    // instructionLimit: at most that many instructions until the next BeginRun (0: no limit).
    void BeginRun(std::uint64_t instructionLimit = 0);
    // Runs while Running until a stop reason, at most `budget` instructions. A raised
    // `*stopRequested` stops the run after at least one instruction since BeginRun.
    StopReason Run(std::uint64_t budget = kNoLimit, const bool* stopRequested = nullptr);
    // Instructions executed since BeginRun.
    std::uint64_t InstructionsRun() const { return runCount_; }

    // One instruction in step mode: the line of the next instruction is always searched and
    // selected; breakpoints do not stop it.
    StopReason Step();
    // Finds the line of PC and selects it, when a program is running; changes nothing else.
    void LocateLine();

    // The power-on values: flags 0, SP FFF0, PC at the default origin, A to L and memory 0.
    void Reset();
    // Unsupported instructions warn once per opcode until this is called.
    void ClearWarnings() { state_.WarnedOpcodes.fill(false); }

    // Addresses whose stores are reported (the memory shown on screen). Replaces the earlier set.
    void WatchOnly(const std::vector<std::pair<std::int32_t, std::int32_t>>& firstAndCount);
    // Tells the observer what changed since the last report: each watched address stored to (when
    // `memory`) and the registers (when `registers`). Unreported stores are forgotten either way.
    void ReportChanges(bool memory, bool registers);

private:
    template <bool Stepping>
    StopReason Execute(const bool* stopRequested);
    void RefreshLineMap();
    void NoteWatchedStore(std::uint16_t address);
    void Warn(const char* name, int opcode);
    StopReason Uncompiled();
    // Instructions for the next chunk of a run: up to the next yield point, the limit or the budget.
    std::uint64_t NextChunk(bool stopAfterFirst) const;
    void Account(std::uint64_t executed);
    // At the end of a chunk: false (with the reason) when the run stops or yields here.
    bool ContinueAfterChunk(bool stopAfterFirst, StopReason& reason);

    ProcessorState state_;
    std::array<std::uint8_t, kMemorySize> watched_{};  // kWatchedAddress, or 2 once a store is noted
    std::array<std::int16_t, 256> tstates_{};
    LineMap lines_;
    const AssemblyTables& program_;
    std::uint64_t mappedGeneration_ = 0;
    bool mapped_ = false;
    bool ignoreBreakpoints_ = false;

    MachineObserver* observer_ = nullptr;
    const std::atomic<bool>* yieldSignal_ = nullptr;
    std::vector<std::uint16_t> storesToReport_;

    std::uint64_t runCount_ = 0;
    std::uint64_t limitLeft_ = kNoLimit;
    std::uint64_t budgetLeft_ = 0;
    std::uint32_t untilYield_ = kYieldInterval;
};

}  // namespace vantric
