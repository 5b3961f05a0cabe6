#pragma once
// The simulated 8085 machine: processor state and memory, the instruction timings, the map of the
// assembled lines and the breakpoints. It runs the program for a budget of instructions or one
// instruction at a time, tracks the source line of PC, and tells the world outside only through a
// MachineObserver.

#include <array>
#include <atomic>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "core/AssemblyTables.h"
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
    TargetReached,      // PC reached the run target (SetRunTarget); the program is still running
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

    // A program is running (also while it is paused or stepped) until HLT, a run-time error or Halt.
    bool Running() const { return running_; }
    // Why the last run ended, when an error ended it; empty otherwise.
    const std::string& RuntimeError() const { return runtimeError_; }
    // The line whose instruction is at PC, as far as the engine has tracked it: an index into the
    // assembler's line tables.
    std::int32_t CurrentLine() const { return currentLine_; }

    // A program starts at `address`: PC there, no line yet, no error, running.
    void Start(std::int32_t address);
    // A paused or stepping program goes on; the error of an earlier run is forgotten.
    void Resume();

    // Takes the T-state counts of `table`; call again when the table is filled later.
    void LoadTimings(const InstructionTable& table);
    void SetObserver(MachineObserver* observer) { observer_ = observer; }
    // A flag that is raised while window events may be waiting (null: always assume they are). At
    // every kYieldInterval-th instruction of a run, Run returns BudgetUsed when it is raised.
    void SetYieldSignal(const std::atomic<bool>* eventsMayBePending) { yieldSignal_ = eventsMayBePending; }
    void SetIgnoreBreakpoints(bool ignore);
    // Runs also stop, with TargetReached, when PC lands on `address` with SP at or above
    // `lowestStackPointer`, so that a call stepped over stops only once it has returned to its own
    // level. Breakpoints still stop them; a step ignores the target. -1: no target.
    void SetRunTarget(std::int32_t address, std::uint16_t lowestStackPointer = 0) {
        runTarget_ = address;
        runTargetStack_ = lowestStackPointer;
    }

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

    // Ends the program, whatever its state: nothing runs and no line is current.
    void Halt() {
        running_ = false;
        currentLine_ = 0;
    }
    // The power-on values: flags 0, SP FFF0, PC at the default origin, A to L and memory 0.
    void Reset();
    // Unsupported instructions warn once per opcode until this is called.
    void ClearWarnings() { warned_.fill(false); }

    // Addresses whose stores are reported (the memory shown on screen). Replaces the earlier set.
    void WatchOnly(const std::vector<std::pair<std::int32_t, std::int32_t>>& firstAndCount);
    // Tells the observer what changed since the last report: each watched address stored to (when
    // `memory`) and the registers (when `registers`). Unreported stores are forgotten either way.
    void ReportChanges(bool memory, bool registers);

private:
    template <bool Stepping>
    StopReason Execute(const bool* stopRequested);
    void RefreshLineMap();
    void Warn(const char* name, int opcode);
    StopReason Uncompiled();
    // The 16-bit operand at `address` when its second byte lies at 0000H.
    unsigned WrappedWord(unsigned address) const {
        return state_.Memory[address & 0xFFFF] | state_.Memory[(address + 1) & 0xFFFF] << 8;
    }

    // The run loop's slow paths. They find the registers saved in the state; `countdown_` is the
    // loop's count of instructions left in the chunk, as it was while the last instruction ran.
    void BeginBurst(bool stepping, bool stopAfterFirst);
    // The line that was current before the instruction at `address` executed.
    std::int64_t PreviousLine(unsigned address) const;
    std::int64_t Advanced(std::int64_t line) const { return line < lines_.LineCount() ? line + 1 : line; }
    // The line of PC once its landing has been looked at.
    std::int64_t LandingLine(unsigned pc) const;
    // PC landed on an address that is not simply the start of one line: false (exitReason_ set)
    // when the run stops there.
    bool Landed();
    void Halted(bool stepping);
    // Step mode's line tracking after its one instruction.
    void Stepped();
    // The chunk is done: false (exitReason_ set) when the run stops or yields here; otherwise the
    // next chunk is set up.
    bool ContinueAfterChunk();
    // Instructions for the next chunk of a run: up to the next yield point, the limit or the budget.
    std::uint64_t NextChunk(bool stopAfterFirst) const;
    void Account(std::uint64_t executed);
    // Leaves the run with `reason` after the instruction counted in countdown_.
    void Stop(StopReason reason);

    ProcessorState state_;
    bool running_ = false;
    std::string runtimeError_;
    std::int32_t currentLine_ = 0;
    std::array<bool, 256> warned_{};
    // kWatchedAddress for an address the grid shows, kStoreNoted once a store to it is noted.
    std::array<std::uint8_t, kMemorySize> watched_{};
    static constexpr std::uint8_t kStoreNoted = 2;
    // The noted addresses, each once until reported, so there is room for every address.
    std::vector<std::uint16_t> storesToReport_ = std::vector<std::uint16_t>(kMemorySize);
    std::size_t storesNoted_ = 0;
    std::array<std::int64_t, 256> tstates_{};
    LineMap lines_;
    const AssemblyTables& program_;
    std::uint64_t mappedGeneration_ = 0;
    bool mapped_ = false;
    bool ignoreBreakpoints_ = false;
    std::int32_t runTarget_ = -1;
    std::uint16_t runTargetStack_ = 0;

    MachineObserver* observer_ = nullptr;
    const std::atomic<bool>* yieldSignal_ = nullptr;

    // The current burst's cold state.
    std::uint64_t chunk_ = 0;
    std::uint32_t countdown_ = 0;
    StopReason exitReason_ = StopReason::BudgetUsed;
    std::uint32_t firstCountdown_ = 0;  // countdown during the burst's first instruction; 0 after its first chunk
    std::int64_t entryLine_ = 0;        // CurrentLine when the burst began
    std::int64_t sharedLine_ = 0;       // the line found at the last landing on a shared address
    unsigned instructionAddress_ = 0;   // of the instruction whose landing the slow path looks at
    bool stopAfterFirst_ = false;
    // The run loop's handler addresses, for a run and for a step, filled on first use.
    std::array<const void*, 256> runHandlers_{};
    std::array<const void*, 256> stepHandlers_{};

    std::uint64_t runCount_ = 0;
    std::uint64_t limitLeft_ = kNoLimit;
    std::uint64_t budgetLeft_ = 0;
    std::uint32_t untilYield_ = kYieldInterval;
};

}  // namespace vantric
