#include "core/Machine.h"

#include <algorithm>

namespace vantric {

void Machine::LoadTimings(const InstructionTable& table) {
    for (std::size_t opcode = 0; opcode < tstates_.size(); ++opcode) tstates_[opcode] = table[opcode].TStates;
}

void Machine::SetIgnoreBreakpoints(bool ignore) {
    ignoreBreakpoints_ = ignore;
    mapped_ = false;
}

// Tables that were never assembled (generation 0, built by hand) may change at any time, so their
// map is built afresh for every call.
void Machine::RefreshLineMap() {
    if (mapped_ && program_.Generation != 0 && program_.Generation == mappedGeneration_) return;
    lines_.Build(program_, ignoreBreakpoints_);
    mappedGeneration_ = program_.Generation;
    mapped_ = true;
}

void Machine::BeginRun(std::uint64_t instructionLimit) {
    runCount_ = 0;
    limitLeft_ = instructionLimit == 0 ? kNoLimit : instructionLimit;
    untilYield_ = kYieldInterval;
}

StopReason Machine::Run(std::uint64_t budget, const bool* stopRequested) {
    if (!running_) return runtimeError_.empty() ? StopReason::Halted : StopReason::UncompiledAddress;
    // A stop asked for before the first instruction takes effect after it.
    if (stopRequested != nullptr && *stopRequested && runCount_ > 0) return StopReason::StopRequested;
    if (limitLeft_ == 0) return StopReason::InstructionLimit;
    RefreshLineMap();
    lines_.MarkRunTarget(runTarget_);
    budgetLeft_ = budget;
    return Execute<false>(stopRequested);
}

StopReason Machine::Step() {
    RefreshLineMap();
    return Execute<true>(nullptr);
}

void Machine::LocateLine() {
    if (!running_) return;
    RefreshLineMap();
    const std::int64_t found = lines_.Find(state_.ProgramCounter, currentLine_);
    if (found < 0) return;
    currentLine_ = static_cast<std::int32_t>(found);
    if (observer_) observer_->SelectLine(lines_.SelectionStart(found), lines_.SelectionLength(found));
}

void Machine::Start(std::int32_t address) {
    state_.ProgramCounter = address;
    currentLine_ = 0;
    runtimeError_.clear();
    running_ = true;
}

void Machine::Resume() {
    runtimeError_.clear();
    running_ = true;
}

void Machine::Reset() {
    state_.ApplyResetValues();
    ReportChanges(false, false);
}

void Machine::WatchOnly(const std::vector<std::pair<std::int32_t, std::int32_t>>& firstAndCount) {
    watched_.fill(0);
    storesNoted_ = 0;
    for (const auto& [first, count] : firstAndCount) {
        const std::int64_t from = std::max<std::int64_t>(first, 0);
        const std::int64_t to = std::min<std::int64_t>(std::int64_t{first} + count, kMemorySize);
        for (std::int64_t address = from; address < to; ++address)
            watched_[static_cast<std::size_t>(address)] = kWatchedAddress;
    }
}

void Machine::ReportChanges(bool memory, bool registers) {
    for (std::size_t i = 0; i < storesNoted_; ++i) {
        const std::uint16_t address = storesToReport_[i];
        watched_[address] = kWatchedAddress;
        if (memory && observer_) observer_->WatchedMemoryChanged(address, state_.Memory[address]);
    }
    storesNoted_ = 0;
    if (registers && observer_) observer_->RegistersChanged();
}

void Machine::Warn(const char* name, int opcode) {
    warned_[static_cast<std::size_t>(opcode)] = true;
    if (observer_) observer_->UnsupportedInstruction(name, static_cast<std::uint8_t>(opcode));
}

StopReason Machine::Uncompiled() {
    runtimeError_ = kUncompiledAddressError;
    running_ = false;
    return StopReason::UncompiledAddress;
}

void Machine::BeginBurst(bool stepping, bool stopAfterFirst) {
    stopAfterFirst_ = stopAfterFirst;
    chunk_ = stepping ? 1 : NextChunk(stopAfterFirst);
    firstCountdown_ = static_cast<std::uint32_t>(chunk_);
    entryLine_ = currentLine_;
    sharedLine_ = entryLine_;
    exitReason_ = StopReason::BudgetUsed;
}

// Before the burst's first instruction the line is the one the state holds. Later, an address
// held by one line answers by itself, and a shared one by the line found when PC landed there.
std::int64_t Machine::PreviousLine(unsigned address) const {
    if (countdown_ == firstCountdown_) return entryLine_;
    return LandingLine(address);
}

std::int64_t Machine::LandingLine(unsigned pc) const {
    if (lines_.AttributeTable()[pc] & LineMap::kSearch) return sharedLine_;
    return lines_.OnlyLineAt(static_cast<std::uint16_t>(pc));
}

void Machine::Stop(StopReason reason) {
    --countdown_;
    Account(chunk_ - countdown_);
    exitReason_ = reason;
}

bool Machine::Landed() {
    const auto pc = static_cast<unsigned>(state_.ProgramCounter);
    const std::int64_t advanced = Advanced(PreviousLine(instructionAddress_));
    const std::uint8_t attribute = lines_.AttributeTable()[pc];
    if (attribute & LineMap::kNoLine) {
        currentLine_ = static_cast<std::int32_t>(advanced);
        Stop(Uncompiled());
        return false;
    }
    if (attribute & LineMap::kSearch) {
        const std::int64_t found = lines_.Track(static_cast<std::int32_t>(pc), advanced, true);
        if (found < 0) {
            currentLine_ = static_cast<std::int32_t>(advanced);
            Stop(Uncompiled());
            return false;
        }
        sharedLine_ = found;
    }
    if ((attribute & LineMap::kRunTarget) && state_.StackPointer >= runTargetStack_) {
        currentLine_ = static_cast<std::int32_t>(LandingLine(pc));
        Stop(StopReason::TargetReached);
        return false;
    }
    if (attribute & LineMap::kBreakpoint) {
        currentLine_ = static_cast<std::int32_t>(LandingLine(pc));
        Stop(StopReason::Breakpoint);
        return false;
    }
    return true;
}

// HLT ends the run without looking for the next line; the guess still moves the line on.
void Machine::Halted(bool stepping) {
    currentLine_ = static_cast<std::int32_t>(Advanced(PreviousLine(instructionAddress_)));
    running_ = false;
    if (stepping)
        exitReason_ = StopReason::Halted;
    else
        Stop(StopReason::Halted);
}

// Step mode never guesses and always selects the line it finds.
void Machine::Stepped() {
    const std::int64_t advanced = Advanced(entryLine_);
    const std::int64_t found = lines_.Track(state_.ProgramCounter, advanced, false);
    if (found < 0) {
        currentLine_ = static_cast<std::int32_t>(advanced);
        exitReason_ = Uncompiled();
        return;
    }
    currentLine_ = static_cast<std::int32_t>(found);
    if (observer_) observer_->SelectLine(lines_.SelectionStart(found), lines_.SelectionLength(found));
}

std::uint64_t Machine::NextChunk(bool stopAfterFirst) const {
    return std::min(
        {std::uint64_t{stopAfterFirst ? 1u : untilYield_}, std::uint64_t{untilYield_}, limitLeft_, budgetLeft_});
}

void Machine::Account(std::uint64_t executed) {
    runCount_ += executed;
    untilYield_ -= static_cast<std::uint32_t>(executed);
    if (limitLeft_ != kNoLimit) limitLeft_ -= executed;
    if (budgetLeft_ != kNoLimit) budgetLeft_ -= executed;
}

bool Machine::ContinueAfterChunk() {
    Account(chunk_);
    chunk_ = 0;
    firstCountdown_ = 0;
    StopReason reason = StopReason::BudgetUsed;
    bool stop = true;
    if (stopAfterFirst_) {
        reason = StopReason::StopRequested;
    } else if (limitLeft_ == 0) {
        reason = StopReason::InstructionLimit;
    } else {
        bool yieldNow = false;
        if (untilYield_ == 0) {
            untilYield_ = kYieldInterval;
            yieldNow = yieldSignal_ == nullptr || yieldSignal_->load(std::memory_order_relaxed);
        }
        stop = budgetLeft_ == 0 || yieldNow;
    }
    if (stop) {
        currentLine_ = static_cast<std::int32_t>(LandingLine(static_cast<unsigned>(state_.ProgramCounter)));
        exitReason_ = reason;
        return false;
    }
    chunk_ = NextChunk(false);
    countdown_ = static_cast<std::uint32_t>(chunk_);
    return true;
}

}  // namespace vantric
