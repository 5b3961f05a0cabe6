#include "core/Interpreter.h"

#include <algorithm>
#include <string>
#include <utility>

#include "core/FlagRules.h"
#include "core/HexText.h"

namespace vantric {

namespace {

constexpr const char* kUncompiledAddress = "Missing HLT. Uncompiled address reached";

// Extra T-states of a conditional transfer whose condition holds.
constexpr int kJumpTakenExtra = 3;
constexpr int kCallTakenExtra = 9;
constexpr int kReturnTakenExtra = 6;

// Sets PC one before `target`, so that the common end's increment lands on it.
inline void JumpBefore(ProcessorState& cpu, int target) { cpu.ProgramCounter = (target - 1) & 0xFFFF; }

// The arithmetic or logic operation that bits 5 to 3 choose, for ADD..CMP and ADI..CPI alike.
template <int Operation>
inline void AccumulatorOperation(ProcessorState& cpu, int x) {
    if constexpr (Operation == 0) AddToAccumulator(cpu, x, 0);
    else if constexpr (Operation == 1) AddToAccumulator(cpu, x, TestFlag(cpu, FlagCY));
    else if constexpr (Operation == 2) SubtractFromAccumulator(cpu, x, 0);
    else if constexpr (Operation == 3) SubtractFromAccumulator(cpu, x, TestFlag(cpu, FlagCY));
    else if constexpr (Operation == 4) AndWithAccumulator(cpu, x);
    else if constexpr (Operation == 5) XorWithAccumulator(cpu, x);
    else if constexpr (Operation == 6) OrWithAccumulator(cpu, x);
    else CompareWithAccumulator(cpu, x);
}

// The highest line from `from` down to 1 whose instruction is at `address`, or -1.
std::int64_t LastMatchDownFrom(const LineEntry* lines, std::int64_t from, std::int32_t address) {
    for (std::int64_t i = from; i > 0; --i)
        if (lines[i].HoldsInstructionAt(address)) return i;
    return -1;
}

// The lowest line from `first` to `last` whose instruction is at `address`, or -1.
std::int64_t FirstMatchBetween(const LineEntry* lines, std::int64_t first, std::int64_t last, std::int32_t address) {
    for (std::int64_t i = first; i <= last; ++i)
        if (lines[i].HoldsInstructionAt(address)) return i;
    return -1;
}

}  // namespace

Interpreter::Interpreter(ProcessorState& cpu, const InstructionTable& instructions, const AssemblyTables& tables,
                         MemoryWriter& memory, platform::ListBox& progress, platform::Editor& editor,
                         MachineViews& views, platform::EventPump& pump)
    : cpu_(cpu),
      instructions_(instructions),
      tables_(tables),
      memory_(memory),
      progress_(progress),
      editor_(editor),
      views_(views),
      pump_(pump) {
    ReloadTStates();
}

void Interpreter::ReloadTStates() {
    for (std::size_t op = 0; op < tstates_.size(); ++op) tstates_[op] = instructions_[op].TStates;
}

void Interpreter::WarnUnsupported(const char* name, int opcode) {
    const auto index = static_cast<std::uint8_t>(opcode);
    if (cpu_.WarnedOpcodes[index]) return;
    cpu_.WarnedOpcodes[index] = true;
    progress_.AddItem("Warning : Instruction " + std::string(name) + " (" + HexDigits(index) + "H) not supported.");
}

// CALL and a taken Ccond: the address after the three bytes is pushed (modulo 65536), high byte at
// SP - 1, then PC goes to the operand.
inline void Interpreter::Call(ProcessorState& cpu) {
    const int ret = (cpu.ProgramCounter + 3) & 0xFFFF;
    memory_.WriteMemory(cpu.StackPointer - 1, ret >> 8);
    memory_.WriteMemory(cpu.StackPointer - 2, ret & 255);
    cpu.StackPointer = static_cast<std::uint16_t>(cpu.StackPointer - 2);
    JumpBefore(cpu, FetchOperand(cpu, 2));
}

// RET and a taken Rcond.
inline void Interpreter::Return(ProcessorState& cpu) {
    const std::uint16_t sp = cpu.StackPointer;
    const int target = cpu.Memory[static_cast<std::uint16_t>(sp + 1)] << 8 | cpu.Memory[sp];
    cpu.StackPointer = static_cast<std::uint16_t>(sp + 2);
    JumpBefore(cpu, target);
}

// One instruction, chosen at compile time from the opcode's bit fields. Every branch leaves PC on the
// instruction's last byte, or one before the target of a transfer of control.
template <int Opcode>
inline void Interpreter::Perform(ProcessorState& cpu) {
    constexpr int ddd = (Opcode >> 3) & 7;
    constexpr int sss = Opcode & 7;
    constexpr int pair = (Opcode >> 4) & 3;

    if constexpr (Opcode == 0x76) {  // HLT
        cpu.Running = false;
    } else if constexpr (Opcode < 0x40) {
        if constexpr (sss == 1) {
            if constexpr ((Opcode & 8) == 0)  // LXI
                SetRegisterPair(cpu, pair, FetchOperand(cpu, 2));
            else  // DAD
                AddToHL(cpu, GetRegisterPair(cpu, pair));
        } else if constexpr (sss == 2) {
            if constexpr (Opcode == 0x02 || Opcode == 0x12) {  // STAX
                memory_.WriteMemory(GetRegisterPair(cpu, pair), cpu.Register(RegA));
            } else if constexpr (Opcode == 0x22) {  // SHLD
                const int a = FetchOperand(cpu, 2);
                memory_.WriteMemory(a, cpu.Register(RegL));
                memory_.WriteMemory(a + 1, cpu.Register(RegH));
            } else if constexpr (Opcode == 0x32) {  // STA
                memory_.WriteMemory(FetchOperand(cpu, 2), cpu.Register(RegA));
            } else if constexpr (Opcode == 0x0A || Opcode == 0x1A) {  // LDAX
                cpu.Register(RegA) = cpu.Memory[static_cast<std::uint16_t>(GetRegisterPair(cpu, pair))];
            } else if constexpr (Opcode == 0x2A) {  // LHLD
                const auto a = static_cast<std::uint16_t>(FetchOperand(cpu, 2));
                cpu.Register(RegL) = cpu.Memory[a];
                cpu.Register(RegH) = cpu.Memory[static_cast<std::uint16_t>(a + 1)];
            } else {  // 3AH LDA
                cpu.Register(RegA) = cpu.Memory[static_cast<std::uint16_t>(FetchOperand(cpu, 2))];
            }
        } else if constexpr (sss == 3) {
            if constexpr ((Opcode & 8) == 0)  // INX
                SetRegisterPair(cpu, pair, GetRegisterPair(cpu, pair) + 1);
            else  // DCX
                SetRegisterPair(cpu, pair, GetRegisterPair(cpu, pair) - 1);
        } else if constexpr (sss == 4) {  // INR
            if constexpr (ddd == RegM)
                SetRegister(cpu, memory_, RegM, IncrementWithFlags(cpu, GetRegister(cpu, RegM)));
            else
                cpu.Register(ddd) = static_cast<std::uint8_t>(IncrementWithFlags(cpu, cpu.Register(ddd)));
        } else if constexpr (sss == 5) {  // DCR
            if constexpr (ddd == RegM)
                SetRegister(cpu, memory_, RegM, DecrementWithFlags(cpu, GetRegister(cpu, RegM)));
            else
                cpu.Register(ddd) = static_cast<std::uint8_t>(DecrementWithFlags(cpu, cpu.Register(ddd)));
        } else if constexpr (sss == 6) {  // MVI
            SetRegister(cpu, memory_, ddd, FetchOperand(cpu, 1));
        } else if constexpr (sss == 7) {
            if constexpr (Opcode == 0x07) RotateLeftCircular(cpu);
            else if constexpr (Opcode == 0x0F) RotateRightCircular(cpu);
            else if constexpr (Opcode == 0x17) RotateLeftThroughCarry(cpu);
            else if constexpr (Opcode == 0x1F) RotateRightThroughCarry(cpu);
            else if constexpr (Opcode == 0x27) DecimalAdjust(cpu);
            else if constexpr (Opcode == 0x2F) cpu.Register(RegA) = static_cast<std::uint8_t>(255 - cpu.Register(RegA));
            else if constexpr (Opcode == 0x37) SetFlag(cpu, FlagCY, 1);
            else SetFlag(cpu, FlagCY, 1 - TestFlag(cpu, FlagCY));  // 3FH CMC
        } else {
            if constexpr (Opcode == 0x20) WarnUnsupported("RIM", Opcode);
            else if constexpr (Opcode == 0x30) WarnUnsupported("SIM", Opcode);
            // NOP and the undefined 08H, 10H, 18H, 28H, 38H do nothing.
        }
    } else if constexpr (Opcode < 0x80) {  // MOV d, r
        SetRegister(cpu, memory_, ddd, GetRegister(cpu, sss));
    } else if constexpr (Opcode < 0xC0) {
        AccumulatorOperation<ddd>(cpu, GetRegister(cpu, sss));
    } else if constexpr (sss == 0) {  // Rcond
        if (ConditionMet(cpu, ddd)) {
            Return(cpu);
            cpu.TStateCount += kReturnTakenExtra;
        }
    } else if constexpr (sss == 1) {
        if constexpr (Opcode == 0xC9) {  // RET
            Return(cpu);
        } else if constexpr (Opcode == 0xE9) {  // PCHL
            JumpBefore(cpu, GetRegisterPair(cpu, PairHL));
        } else if constexpr (Opcode == 0xF9) {  // SPHL
            cpu.StackPointer = static_cast<std::uint16_t>(GetRegisterPair(cpu, PairHL));
        } else if constexpr (Opcode == 0xD9) {
            // undefined: nothing
        } else {  // POP; pair 3 is PSW
            const std::uint16_t sp = cpu.StackPointer;
            const std::uint8_t low = cpu.Memory[sp];
            const std::uint8_t high = cpu.Memory[static_cast<std::uint16_t>(sp + 1)];
            if constexpr (pair == 3) {
                cpu.Register(RegA) = high;
                cpu.Flags = low;
            } else {
                cpu.Registers[2 * pair + 1] = high;
                cpu.Registers[2 * pair + 2] = low;
            }
            cpu.StackPointer = static_cast<std::uint16_t>(sp + 2);
        }
    } else if constexpr (sss == 2) {  // Jcond
        const int target = FetchOperand(cpu, 2);
        if (ConditionMet(cpu, ddd)) {
            JumpBefore(cpu, target);
            cpu.TStateCount += kJumpTakenExtra;
        }
    } else if constexpr (sss == 3) {
        if constexpr (Opcode == 0xC3) {  // JMP
            JumpBefore(cpu, FetchOperand(cpu, 2));
        } else if constexpr (Opcode == 0xD3 || Opcode == 0xDB) {  // OUT, IN: the port is skipped
            FetchOperand(cpu, 1);
            WarnUnsupported(Opcode == 0xD3 ? "OUT" : "IN", Opcode);
        } else if constexpr (Opcode == 0xE3) {  // XTHL
            const std::uint16_t sp = cpu.StackPointer;
            const std::uint8_t l = cpu.Register(RegL);
            cpu.Register(RegL) = cpu.Memory[sp];
            memory_.WriteMemory(sp, l);
            const std::uint8_t h = cpu.Register(RegH);
            cpu.Register(RegH) = cpu.Memory[static_cast<std::uint16_t>(sp + 1)];
            memory_.WriteMemory(sp + 1, h);
        } else if constexpr (Opcode == 0xEB) {  // XCHG
            std::swap(cpu.Register(RegD), cpu.Register(RegH));
            std::swap(cpu.Register(RegE), cpu.Register(RegL));
        } else if constexpr (Opcode == 0xF3 || Opcode == 0xFB) {
            WarnUnsupported(Opcode == 0xF3 ? "DI" : "EI", Opcode);
        }
        // CBH is undefined: nothing.
    } else if constexpr (sss == 4) {  // Ccond
        if (ConditionMet(cpu, ddd)) {
            Call(cpu);
            cpu.TStateCount += kCallTakenExtra;
        } else {
            FetchOperand(cpu, 2);
        }
    } else if constexpr (sss == 5) {
        if constexpr (Opcode == 0xCD) {  // CALL
            Call(cpu);
        } else if constexpr (Opcode == 0xDD || Opcode == 0xED || Opcode == 0xFD) {
            // undefined: nothing
        } else {  // PUSH; pair 3 is PSW
            int high;
            int low;
            if constexpr (pair == 3) {
                high = cpu.Register(RegA);
                low = cpu.Flags;
            } else {
                high = cpu.Registers[2 * pair + 1];
                low = cpu.Registers[2 * pair + 2];
            }
            memory_.WriteMemory(cpu.StackPointer - 1, high);
            memory_.WriteMemory(cpu.StackPointer - 2, low);
            cpu.StackPointer = static_cast<std::uint16_t>(cpu.StackPointer - 2);
        }
    } else if constexpr (sss == 6) {  // immediate arithmetic and logic
        AccumulatorOperation<ddd>(cpu, FetchOperand(cpu, 1));
    } else {  // RST n
        WarnUnsupported("RST", Opcode);
    }
}

#if defined(__GNUC__)
#define VANTRIC_ALWAYS_INLINE [[gnu::always_inline]] inline
#else
#define VANTRIC_ALWAYS_INLINE inline
#endif

// The common end of every instruction: PC moves past it, the monitored registers are refreshed, and
// the next line is guessed with one compare before any search.
VANTRIC_ALWAYS_INLINE void Interpreter::FinishInstruction(ProcessorState& cpu) {
    const std::int32_t pc = (cpu.ProgramCounter + 1) & 0xFFFF;
    cpu.ProgramCounter = pc;
    if (cpu.MonitorRegisters) [[unlikely]] {
        FinishAfterRefresh();
        return;
    }

    std::int32_t line = cpu.CurrentLine;
    if (line < tables_.LineCount) cpu.CurrentLine = ++line;
    if (!cpu.Running) return;
    if (!cpu.StepMode) {
        const auto& lines = tables_.Lines;
        const auto n = static_cast<std::size_t>(line);
        if (n < lines.size() && lines[n].HoldsInstructionAt(pc)) [[likely]]
            return;
    }
    SearchLine(false);
}

// One complete instruction. Each opcode has its own copy, so dispatch is a single indirect jump and
// the simple ones need no saved registers.
template <int Opcode>
void Interpreter::Step(Interpreter& self) {
    ProcessorState& cpu = self.cpu_;
    self.Perform<Opcode>(cpu);
    cpu.TStateCount += self.tstates_[Opcode];
    self.FinishInstruction(cpu);
}

template <std::size_t... Opcodes>
constexpr std::array<Interpreter::Handler, 256> Interpreter::MakeHandlers(std::index_sequence<Opcodes...>) {
    return {&Interpreter::Step<static_cast<int>(Opcodes)>...};
}

constinit const std::array<Interpreter::Handler, 256> Interpreter::handlers_ =
    Interpreter::MakeHandlers(std::make_index_sequence<256>{});

void Interpreter::LocateLine() {
    if (cpu_.Running) SearchLine(true);
}

// The end of an instruction while registers are monitored: the panel is refreshed and window events
// run, and those may change any state, so the line tracking reads everything afresh.
void Interpreter::FinishAfterRefresh() {
    ProcessorState& cpu = cpu_;
    views_.RefreshRegisterPanel(true);
    pump_.ProcessEvents();
    if (cpu.CurrentLine < tables_.LineCount) ++cpu.CurrentLine;
    if (!cpu.Running) return;
    if (!cpu.StepMode) {
        const auto line = static_cast<std::size_t>(cpu.CurrentLine);
        const auto& lines = tables_.Lines;
        if (line < lines.size() && lines[line].HoldsInstructionAt(cpu.ProgramCounter)) return;
    }
    SearchLine(false);
}

// Backwards from the current line first (never reaching line 0), then forwards from it up to
// LineCount. Entries missing from a table shorter than LineCount + 2 count as lines without an
// instruction.
void Interpreter::SearchLine(bool locateOnly) {
    // The usual miss of a running program (a jump, call or return to a line of its own) is answered by
    // the index without a call, so this path saves no registers.
    ProcessorState& cpu = cpu_;
    if (!locateOnly && !cpu.StepMode && tables_.Generation != 0 && indexedGeneration_ == tables_.Generation) {
        const std::int32_t only = onlyLineAt_[static_cast<std::uint16_t>(cpu.ProgramCounter)];
        if (only > 0 && static_cast<std::uint32_t>(cpu.CurrentLine) <= static_cast<std::uint32_t>(tables_.LineCount)) {
            cpu.CurrentLine = only;
            return;
        }
    }
    SearchAndSelectLine(locateOnly);
}

void Interpreter::SearchAndSelectLine(bool locateOnly) {
    ProcessorState& cpu = cpu_;
    const std::int64_t found = FindLine(cpu.ProgramCounter, cpu.CurrentLine);
    if (found < 0) {
        if (!locateOnly) {
            cpu.RuntimeError = kUncompiledAddress;
            cpu.Running = false;
        }
        return;
    }
    cpu.CurrentLine = static_cast<std::int32_t>(found);
    if (cpu.StepMode || locateOnly) {
        const auto line = static_cast<std::int32_t>(found);
        editor_.SetSelStart(tables_.LineStart(line));
        editor_.SetSelLength(std::max(tables_.LineLength(line), 1) - 1);
    }
}

}  // namespace vantric

namespace vantric {

// Backwards from the line before the current one down to line 1, then forwards from the current line
// to the last; both ranges stay inside the tables. Returns the line found, or -1.
inline std::int64_t Interpreter::FindLine(std::int32_t pc, std::int64_t current) {
    const auto& lines = tables_.Lines;
    if (tables_.Generation != 0) {
        if (indexedGeneration_ != tables_.Generation) RebuildLineIndex();
        // Assembled tables hold lines 1 to LineCount, and for a current line in 0..LineCount the two
        // ranges together are exactly those lines: the one line of an address is the answer.
        const std::int32_t only = onlyLineAt_[static_cast<std::uint16_t>(pc)];
        if (only > 0 && static_cast<std::uint64_t>(current) <= static_cast<std::uint64_t>(tables_.LineCount))
            return only;
        if (only == kNoLine) return -1;
    }
    const auto available = static_cast<std::int64_t>(lines.size());
    const std::int64_t backHigh = std::min(current, available) - 1;
    const std::int64_t forwardLow = std::max<std::int64_t>(current, 0);
    const std::int64_t forwardHigh = std::min<std::int64_t>(tables_.LineCount, available - 1);
    if (tables_.Generation != 0) return IndexedSearch(pc, backHigh, forwardLow, forwardHigh);
    const std::int64_t found = LastMatchDownFrom(lines.data(), backHigh, pc);
    return found >= 0 ? found : FirstMatchBetween(lines.data(), forwardLow, forwardHigh, pc);
}

// The same answer as the two scans: the highest matching line in 1..backHigh, else the lowest in
// forwardLow..forwardHigh.
std::int64_t Interpreter::IndexedSearch(std::int32_t pc, std::int64_t backHigh, std::int64_t forwardLow,
                                        std::int64_t forwardHigh) {
    std::int64_t backward = -1;
    std::int64_t forward = -1;
    const auto address = static_cast<std::uint16_t>(pc);
    for (std::uint32_t i = firstLineAt_[address]; i < firstLineAt_[address + 1u]; ++i) {
        const std::int64_t line = linesByAddress_[i];
        if (line >= 1 && line <= backHigh) {
            backward = line;
        } else if (line > backHigh && line >= forwardLow && line <= forwardHigh) {
            forward = line;
            break;
        }
    }
    return backward >= 0 ? backward : forward;
}

void Interpreter::RebuildLineIndex() {
    const auto& lines = tables_.Lines;
    // Counted per address first, then filled in ascending line order: one entry per instruction
    // line, none for the lines between.
    firstLineAt_.assign(kMemorySize + 1, 0);
    for (const LineEntry& entry : lines)
        if (entry.Bytes != 0) ++firstLineAt_[entry.Address + 1u];
    for (std::size_t address = 0; address < kMemorySize; ++address) firstLineAt_[address + 1] += firstLineAt_[address];
    linesByAddress_.assign(firstLineAt_[kMemorySize], 0);
    std::vector<std::uint32_t> filled(firstLineAt_.begin(), firstLineAt_.end() - 1);
    for (std::size_t line = 0; line < lines.size(); ++line)
        if (lines[line].Bytes != 0) linesByAddress_[filled[lines[line].Address]++] = static_cast<std::int32_t>(line);

    // The shortcut needs tables of the assembled shape: entries 0 to LineCount + 1, lines 1 to LineCount.
    const bool assembledShape = lines.size() == static_cast<std::size_t>(tables_.LineCount) + 2;
    onlyLineAt_.resize(kMemorySize);
    for (std::size_t address = 0; address < onlyLineAt_.size(); ++address) {
        const std::uint32_t count = firstLineAt_[address + 1] - firstLineAt_[address];
        const std::int32_t first = count == 0 ? -1 : linesByAddress_[firstLineAt_[address]];
        if (count == 0)
            onlyLineAt_[address] = assembledShape ? kNoLine : kSearchLines;
        else if (assembledShape && count == 1 && first >= 1 && first <= tables_.LineCount)
            onlyLineAt_[address] = first;
        else
            onlyLineAt_[address] = kSearchLines;
    }
    indexedGeneration_ = tables_.Generation;
}

}  // namespace vantric
