#include "core/Machine.h"

#include <algorithm>

namespace vantric {

namespace {
constexpr std::uint8_t kStoreNoted = 2;
}  // namespace

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
    if (!state_.Running) return state_.RuntimeError.empty() ? StopReason::Halted : StopReason::UncompiledAddress;
    // A stop asked for before the first instruction takes effect after it.
    if (stopRequested != nullptr && *stopRequested && runCount_ > 0) return StopReason::StopRequested;
    if (limitLeft_ == 0) return StopReason::InstructionLimit;
    RefreshLineMap();
    budgetLeft_ = budget;
    return Execute<false>(stopRequested);
}

StopReason Machine::Step() {
    RefreshLineMap();
    return Execute<true>(nullptr);
}

void Machine::LocateLine() {
    if (!state_.Running) return;
    RefreshLineMap();
    const std::int64_t found = lines_.Find(state_.ProgramCounter, state_.CurrentLine);
    if (found < 0) return;
    state_.CurrentLine = static_cast<std::int32_t>(found);
    if (observer_) observer_->SelectLine(lines_.SelectionStart(found), lines_.SelectionLength(found));
}

void Machine::Reset() {
    state_.ApplyResetValues();
    ReportChanges(false, false);
}

void Machine::WatchOnly(const std::vector<std::pair<std::int32_t, std::int32_t>>& firstAndCount) {
    watched_.fill(0);
    storesToReport_.clear();
    for (const auto& [first, count] : firstAndCount) {
        const std::int64_t from = std::max<std::int64_t>(first, 0);
        const std::int64_t to = std::min<std::int64_t>(std::int64_t{first} + count, kMemorySize);
        for (std::int64_t address = from; address < to; ++address)
            watched_[static_cast<std::size_t>(address)] = kWatchedAddress;
    }
}

void Machine::ReportChanges(bool memory, bool registers) {
    for (const std::uint16_t address : storesToReport_) {
        watched_[address] = kWatchedAddress;
        if (memory && observer_) observer_->WatchedMemoryChanged(address, state_.Memory[address]);
    }
    storesToReport_.clear();
    if (registers && observer_) observer_->RegistersChanged();
}

void Machine::NoteWatchedStore(std::uint16_t address) {
    watched_[address] = kStoreNoted;
    storesToReport_.push_back(address);
}

void Machine::Warn(const char* name, int opcode) {
    state_.WarnedOpcodes[static_cast<std::size_t>(opcode)] = true;
    if (observer_) observer_->UnsupportedInstruction(name, static_cast<std::uint8_t>(opcode));
}

StopReason Machine::Uncompiled() {
    state_.RuntimeError = kUncompiledAddressError;
    state_.Running = false;
    return StopReason::UncompiledAddress;
}

std::uint64_t Machine::NextChunk(bool stopAfterFirst) const {
    return std::min({std::uint64_t{stopAfterFirst ? 1u : untilYield_}, std::uint64_t{untilYield_}, limitLeft_,
                     budgetLeft_});
}

void Machine::Account(std::uint64_t executed) {
    runCount_ += executed;
    untilYield_ -= static_cast<std::uint32_t>(executed);
    if (limitLeft_ != kNoLimit) limitLeft_ -= executed;
    if (budgetLeft_ != kNoLimit) budgetLeft_ -= executed;
}

bool Machine::ContinueAfterChunk(bool stopAfterFirst, StopReason& reason) {
    if (stopAfterFirst) {
        reason = StopReason::StopRequested;
        return false;
    }
    if (limitLeft_ == 0) {
        reason = StopReason::InstructionLimit;
        return false;
    }
    bool yieldNow = false;
    if (untilYield_ == 0) {
        untilYield_ = kYieldInterval;
        yieldNow = yieldSignal_ == nullptr || yieldSignal_->load(std::memory_order_relaxed);
    }
    if (budgetLeft_ == 0 || yieldNow) {
        reason = StopReason::BudgetUsed;
        return false;
    }
    return true;
}

}  // namespace vantric
