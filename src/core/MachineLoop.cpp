// The engine's run loop: every opcode's handler with its own copy of the common end, the registers
// in local variables for the whole burst, and dispatch through a table of label addresses where the
// compiler offers them (a switch elsewhere). See docs/engine.md for why it is built this way.

#include <utility>

#include "core/FlagRules.h"
#include "core/Machine.h"

#if defined(__GNUC__) && !defined(VANTRIC_SWITCH_DISPATCH)
#define VANTRIC_THREADED_DISPATCH 1
#else
#define VANTRIC_THREADED_DISPATCH 0
#endif

namespace vantric {

namespace {

// Extra T-states of a conditional transfer whose condition holds.
constexpr int kJumpTakenExtra = 3;
constexpr int kCallTakenExtra = 9;
constexpr int kReturnTakenExtra = 6;

constexpr std::uint8_t kWatched = Machine::kWatchedAddress;

}  // namespace

// Every opcode, for the table of handler addresses.
#define VANTRIC_EACH_OPCODE(X) \
    X(00) X(01) X(02) X(03) X(04) X(05) X(06) X(07) X(08) X(09) X(0A) X(0B) X(0C) X(0D) X(0E) X(0F) \
    X(10) X(11) X(12) X(13) X(14) X(15) X(16) X(17) X(18) X(19) X(1A) X(1B) X(1C) X(1D) X(1E) X(1F) \
    X(20) X(21) X(22) X(23) X(24) X(25) X(26) X(27) X(28) X(29) X(2A) X(2B) X(2C) X(2D) X(2E) X(2F) \
    X(30) X(31) X(32) X(33) X(34) X(35) X(36) X(37) X(38) X(39) X(3A) X(3B) X(3C) X(3D) X(3E) X(3F) \
    X(40) X(41) X(42) X(43) X(44) X(45) X(46) X(47) X(48) X(49) X(4A) X(4B) X(4C) X(4D) X(4E) X(4F) \
    X(50) X(51) X(52) X(53) X(54) X(55) X(56) X(57) X(58) X(59) X(5A) X(5B) X(5C) X(5D) X(5E) X(5F) \
    X(60) X(61) X(62) X(63) X(64) X(65) X(66) X(67) X(68) X(69) X(6A) X(6B) X(6C) X(6D) X(6E) X(6F) \
    X(70) X(71) X(72) X(73) X(74) X(75) X(76) X(77) X(78) X(79) X(7A) X(7B) X(7C) X(7D) X(7E) X(7F) \
    X(80) X(81) X(82) X(83) X(84) X(85) X(86) X(87) X(88) X(89) X(8A) X(8B) X(8C) X(8D) X(8E) X(8F) \
    X(90) X(91) X(92) X(93) X(94) X(95) X(96) X(97) X(98) X(99) X(9A) X(9B) X(9C) X(9D) X(9E) X(9F) \
    X(A0) X(A1) X(A2) X(A3) X(A4) X(A5) X(A6) X(A7) X(A8) X(A9) X(AA) X(AB) X(AC) X(AD) X(AE) X(AF) \
    X(B0) X(B1) X(B2) X(B3) X(B4) X(B5) X(B6) X(B7) X(B8) X(B9) X(BA) X(BB) X(BC) X(BD) X(BE) X(BF) \
    X(C0) X(C1) X(C2) X(C3) X(C4) X(C5) X(C6) X(C7) X(C8) X(C9) X(CA) X(CB) X(CC) X(CD) X(CE) X(CF) \
    X(D0) X(D1) X(D2) X(D3) X(D4) X(D5) X(D6) X(D7) X(D8) X(D9) X(DA) X(DB) X(DC) X(DD) X(DE) X(DF) \
    X(E0) X(E1) X(E2) X(E3) X(E4) X(E5) X(E6) X(E7) X(E8) X(E9) X(EA) X(EB) X(EC) X(ED) X(EE) X(EF) \
    X(F0) X(F1) X(F2) X(F3) X(F4) X(F5) X(F6) X(F7) X(F8) X(F9) X(FA) X(FB) X(FC) X(FD) X(FE) X(FF)

#if VANTRIC_THREADED_DISPATCH
// Label addresses and computed goto are compiler extensions; this function is the one user.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpedantic"
#endif

template <bool Stepping>
StopReason Machine::Execute(const bool* stopRequested) {
    ProcessorState& s = state_;
    std::uint8_t* const mem = s.Memory.data();
    std::uint8_t* const watched = watched_.data();
    const std::uint8_t* const attributes = lines_.Attributes();
    const std::int32_t lineCount = lines_.LineCount();

    unsigned a = s.Register(RegA), b = s.Register(RegB), c = s.Register(RegC), d = s.Register(RegD);
    unsigned e = s.Register(RegE), h = s.Register(RegH), l = s.Register(RegL), f = s.Flags;
    unsigned sp = s.StackPointer;
    unsigned pc = static_cast<unsigned>(s.ProgramCounter) & 0xFFFF;
    unsigned pc0 = pc;  // the address of the instruction being executed
    std::int64_t t = s.TStateCount;
    StopReason reason = StopReason::BudgetUsed;

    // The run is cut into chunks; `countdown` counts the instructions left in the current one, and
    // its end is the only place the yield cadence, the instruction limit, the budget and a stop
    // request are looked at.
    const bool stopAfterFirst = stopRequested != nullptr && *stopRequested;
    std::uint64_t chunk = Stepping ? 1 : NextChunk(stopAfterFirst);
    auto countdown = static_cast<std::uint32_t>(chunk);

    // CurrentLine is worked out only when the run stops. An address held by one line answers it by
    // itself; after landing on an address several lines share, `sharedLine` keeps the line found.
    // Before the first instruction the line is the one the state holds.
    const std::int64_t entryLine = s.CurrentLine;
    std::int64_t sharedLine = entryLine;
    std::uint32_t firstCountdown = countdown;

#define VANTRIC_PREVIOUS_LINE()                                                                     \
    (countdown == firstCountdown          ? entryLine                                               \
     : (attributes[pc0] & LineMap::kSearch) ? sharedLine                                            \
                                            : static_cast<std::int64_t>(lines_.OnlyLineAt(static_cast<std::uint16_t>(pc0))))
#define VANTRIC_LANDING_LINE() \
    ((attributes[pc] & LineMap::kSearch) ? sharedLine : static_cast<std::int64_t>(lines_.OnlyLineAt(static_cast<std::uint16_t>(pc))))
#define VANTRIC_ADVANCED(line) ((line) < lineCount ? (line) + 1 : (line))

#if VANTRIC_THREADED_DISPATCH
#define OPCODE(hex) op_##hex:
#define DISPATCH()                          \
    do {                                    \
        pc0 = pc;                           \
        const unsigned opcode_ = mem[pc];   \
        t += tstates_[opcode_];             \
        goto* kHandlers[opcode_];           \
    } while (0)
    static const void* const kHandlers[256] = {
#define VANTRIC_LABEL(hex) &&op_##hex,
        VANTRIC_EACH_OPCODE(VANTRIC_LABEL)
#undef VANTRIC_LABEL
    };
#else
#define OPCODE(hex) case 0x##hex:
#define DISPATCH() goto dispatch
#endif

    // The common end of every instruction: PC has moved on; anything but an address that starts
    // exactly one line, without a breakpoint, goes the slow way.
#define FINISH()                                           \
    do {                                                   \
        if constexpr (Stepping) {                          \
            goto stepped;                                  \
        } else {                                           \
            if (attributes[pc] != 0) [[unlikely]]          \
                goto landed;                               \
            if (--countdown == 0) [[unlikely]]             \
                goto boundary;                             \
            DISPATCH();                                    \
        }                                                  \
    } while (0)
#define NEXT(length)                      \
    do {                                  \
        pc = (pc + (length)) & 0xFFFF;    \
        FINISH();                         \
    } while (0)
#define JUMP(target)     \
    do {                 \
        pc = (target);   \
        FINISH();        \
    } while (0)
#define IMM8 mem[(pc + 1) & 0xFFFF]
#define IMM16 (mem[(pc + 1) & 0xFFFF] | mem[(pc + 2) & 0xFFFF] << 8)
#define BC (b << 8 | c)
#define DE (d << 8 | e)
#define HL (h << 8 | l)
#define SET_PAIR(high, low, value)          \
    do {                                    \
        const unsigned value_ = (value);    \
        high = (value_ >> 8) & 255;         \
        low = value_ & 255;                 \
    } while (0)
#define ADD_HL(value)                                   \
    do {                                                \
        const unsigned sum_ = HL + (value);             \
        SET_PAIR(h, l, sum_);                           \
        f = (f & ~static_cast<unsigned>(FlagCY)) | (sum_ > 0xFFFF ? FlagCY : 0); \
    } while (0)
#define STORE(address, value)                                             \
    do {                                                                  \
        const unsigned at_ = (address) & 0xFFFF;                          \
        mem[at_] = static_cast<std::uint8_t>(value);                      \
        if (watched[at_] == kWatched) [[unlikely]]                        \
            NoteWatchedStore(static_cast<std::uint16_t>(at_));            \
    } while (0)
#define PUSH(high, low)              \
    do {                             \
        STORE(sp - 1, high);         \
        STORE(sp - 2, low);          \
        sp = (sp - 2) & 0xFFFF;      \
    } while (0)
    // The return address is pushed before the target is read, as the stack may overlap the operand.
#define CALL()                                        \
    do {                                              \
        const unsigned return_ = (pc + 3) & 0xFFFF;   \
        PUSH(return_ >> 8, return_ & 255);            \
        JUMP(IMM16);                                  \
    } while (0)
#define RETURN()                                                        \
    do {                                                                \
        const unsigned target_ = mem[sp] | mem[(sp + 1) & 0xFFFF] << 8; \
        sp = (sp + 2) & 0xFFFF;                                         \
        JUMP(target_);                                                  \
    } while (0)
#define WARN(name, opcode)                                      \
    do {                                                        \
        if (!s.WarnedOpcodes[opcode]) [[unlikely]]              \
            Warn(name, opcode);                                 \
    } while (0)
#define HALT()                                                  \
    do {                                                        \
        const std::int64_t previous_ = VANTRIC_PREVIOUS_LINE(); \
        --countdown;                                            \
        pc = (pc + 1) & 0xFFFF;                                 \
        s.CurrentLine = static_cast<std::int32_t>(VANTRIC_ADVANCED(previous_)); \
        s.Running = false;                                      \
        reason = StopReason::Halted;                            \
        goto leave;                                             \
    } while (0)

    if (chunk == 0) goto leave;
    DISPATCH();

#if !VANTRIC_THREADED_DISPATCH
dispatch:
    pc0 = pc;
    t += tstates_[mem[pc]];
    switch (mem[pc]) {
#endif

    // One handler per opcode, in opcode order.
    OPCODE(00) NEXT(1);                                                                                   // NOP
    OPCODE(01) c = IMM8; b = mem[(pc + 2) & 0xFFFF]; NEXT(3);                                             // LXI B
    OPCODE(02) STORE(BC, a); NEXT(1);                                                                     // STAX B
    OPCODE(03) SET_PAIR(b, c, BC + 1); NEXT(1);                                                           // INX B
    OPCODE(04) b = alu::Increment(f, b); NEXT(1);                                                         // INR B
    OPCODE(05) b = alu::Decrement(f, b); NEXT(1);                                                         // DCR B
    OPCODE(06) b = IMM8; NEXT(2);                                                                         // MVI B
    OPCODE(07) alu::RotateLeftCircular(a, f); NEXT(1);                                                    // RLC
    OPCODE(08) NEXT(1);                                                                                   // undefined
    OPCODE(09) ADD_HL(BC); NEXT(1);                                                                       // DAD B
    OPCODE(0A) a = mem[BC]; NEXT(1);                                                                      // LDAX B
    OPCODE(0B) SET_PAIR(b, c, BC - 1); NEXT(1);                                                           // DCX B
    OPCODE(0C) c = alu::Increment(f, c); NEXT(1);                                                         // INR C
    OPCODE(0D) c = alu::Decrement(f, c); NEXT(1);                                                         // DCR C
    OPCODE(0E) c = IMM8; NEXT(2);                                                                         // MVI C
    OPCODE(0F) alu::RotateRightCircular(a, f); NEXT(1);                                                   // RRC
    OPCODE(10) NEXT(1);                                                                                   // undefined
    OPCODE(11) e = IMM8; d = mem[(pc + 2) & 0xFFFF]; NEXT(3);                                             // LXI D
    OPCODE(12) STORE(DE, a); NEXT(1);                                                                     // STAX D
    OPCODE(13) SET_PAIR(d, e, DE + 1); NEXT(1);                                                           // INX D
    OPCODE(14) d = alu::Increment(f, d); NEXT(1);                                                         // INR D
    OPCODE(15) d = alu::Decrement(f, d); NEXT(1);                                                         // DCR D
    OPCODE(16) d = IMM8; NEXT(2);                                                                         // MVI D
    OPCODE(17) alu::RotateLeftThroughCarry(a, f); NEXT(1);                                                // RAL
    OPCODE(18) NEXT(1);                                                                                   // undefined
    OPCODE(19) ADD_HL(DE); NEXT(1);                                                                       // DAD D
    OPCODE(1A) a = mem[DE]; NEXT(1);                                                                      // LDAX D
    OPCODE(1B) SET_PAIR(d, e, DE - 1); NEXT(1);                                                           // DCX D
    OPCODE(1C) e = alu::Increment(f, e); NEXT(1);                                                         // INR E
    OPCODE(1D) e = alu::Decrement(f, e); NEXT(1);                                                         // DCR E
    OPCODE(1E) e = IMM8; NEXT(2);                                                                         // MVI E
    OPCODE(1F) alu::RotateRightThroughCarry(a, f); NEXT(1);                                               // RAR
    OPCODE(20) WARN("RIM", 0x20); NEXT(1);                                                                // RIM
    OPCODE(21) l = IMM8; h = mem[(pc + 2) & 0xFFFF]; NEXT(3);                                             // LXI H
    OPCODE(22) { const unsigned at = IMM16; STORE(at, l); STORE(at + 1, h); } NEXT(3);                    // SHLD
    OPCODE(23) SET_PAIR(h, l, HL + 1); NEXT(1);                                                           // INX H
    OPCODE(24) h = alu::Increment(f, h); NEXT(1);                                                         // INR H
    OPCODE(25) h = alu::Decrement(f, h); NEXT(1);                                                         // DCR H
    OPCODE(26) h = IMM8; NEXT(2);                                                                         // MVI H
    OPCODE(27) alu::DecimalAdjust(a, f); NEXT(1);                                                         // DAA
    OPCODE(28) NEXT(1);                                                                                   // undefined
    OPCODE(29) ADD_HL(HL); NEXT(1);                                                                       // DAD H
    OPCODE(2A) { const unsigned at = IMM16; l = mem[at]; h = mem[(at + 1) & 0xFFFF]; } NEXT(3);           // LHLD
    OPCODE(2B) SET_PAIR(h, l, HL - 1); NEXT(1);                                                           // DCX H
    OPCODE(2C) l = alu::Increment(f, l); NEXT(1);                                                         // INR L
    OPCODE(2D) l = alu::Decrement(f, l); NEXT(1);                                                         // DCR L
    OPCODE(2E) l = IMM8; NEXT(2);                                                                         // MVI L
    OPCODE(2F) a = 255 - a; NEXT(1);                                                                      // CMA
    OPCODE(30) WARN("SIM", 0x30); NEXT(1);                                                                // SIM
    OPCODE(31) sp = IMM16; NEXT(3);                                                                       // LXI SP
    OPCODE(32) STORE(IMM16, a); NEXT(3);                                                                  // STA
    OPCODE(33) sp = (sp + 1) & 0xFFFF; NEXT(1);                                                           // INX SP
    OPCODE(34) { const unsigned at = HL; STORE(at, alu::Increment(f, mem[at])); } NEXT(1);                // INR M
    OPCODE(35) { const unsigned at = HL; STORE(at, alu::Decrement(f, mem[at])); } NEXT(1);                // DCR M
    OPCODE(36) STORE(HL, IMM8); NEXT(2);                                                                  // MVI M
    OPCODE(37) f |= FlagCY; NEXT(1);                                                                      // STC
    OPCODE(38) NEXT(1);                                                                                   // undefined
    OPCODE(39) ADD_HL(sp); NEXT(1);                                                                       // DAD SP
    OPCODE(3A) a = mem[IMM16]; NEXT(3);                                                                   // LDA
    OPCODE(3B) sp = (sp - 1) & 0xFFFF; NEXT(1);                                                           // DCX SP
    OPCODE(3C) a = alu::Increment(f, a); NEXT(1);                                                         // INR A
    OPCODE(3D) a = alu::Decrement(f, a); NEXT(1);                                                         // DCR A
    OPCODE(3E) a = IMM8; NEXT(2);                                                                         // MVI A
    OPCODE(3F) f ^= FlagCY; NEXT(1);                                                                      // CMC
    OPCODE(40) NEXT(1);                                                                                   // MOV B,B
    OPCODE(41) b = c; NEXT(1);                                                                            // MOV B,C
    OPCODE(42) b = d; NEXT(1);                                                                            // MOV B,D
    OPCODE(43) b = e; NEXT(1);                                                                            // MOV B,E
    OPCODE(44) b = h; NEXT(1);                                                                            // MOV B,H
    OPCODE(45) b = l; NEXT(1);                                                                            // MOV B,L
    OPCODE(46) b = mem[HL]; NEXT(1);                                                                      // MOV B,M
    OPCODE(47) b = a; NEXT(1);                                                                            // MOV B,A
    OPCODE(48) c = b; NEXT(1);                                                                            // MOV C,B
    OPCODE(49) NEXT(1);                                                                                   // MOV C,C
    OPCODE(4A) c = d; NEXT(1);                                                                            // MOV C,D
    OPCODE(4B) c = e; NEXT(1);                                                                            // MOV C,E
    OPCODE(4C) c = h; NEXT(1);                                                                            // MOV C,H
    OPCODE(4D) c = l; NEXT(1);                                                                            // MOV C,L
    OPCODE(4E) c = mem[HL]; NEXT(1);                                                                      // MOV C,M
    OPCODE(4F) c = a; NEXT(1);                                                                            // MOV C,A
    OPCODE(50) d = b; NEXT(1);                                                                            // MOV D,B
    OPCODE(51) d = c; NEXT(1);                                                                            // MOV D,C
    OPCODE(52) NEXT(1);                                                                                   // MOV D,D
    OPCODE(53) d = e; NEXT(1);                                                                            // MOV D,E
    OPCODE(54) d = h; NEXT(1);                                                                            // MOV D,H
    OPCODE(55) d = l; NEXT(1);                                                                            // MOV D,L
    OPCODE(56) d = mem[HL]; NEXT(1);                                                                      // MOV D,M
    OPCODE(57) d = a; NEXT(1);                                                                            // MOV D,A
    OPCODE(58) e = b; NEXT(1);                                                                            // MOV E,B
    OPCODE(59) e = c; NEXT(1);                                                                            // MOV E,C
    OPCODE(5A) e = d; NEXT(1);                                                                            // MOV E,D
    OPCODE(5B) NEXT(1);                                                                                   // MOV E,E
    OPCODE(5C) e = h; NEXT(1);                                                                            // MOV E,H
    OPCODE(5D) e = l; NEXT(1);                                                                            // MOV E,L
    OPCODE(5E) e = mem[HL]; NEXT(1);                                                                      // MOV E,M
    OPCODE(5F) e = a; NEXT(1);                                                                            // MOV E,A
    OPCODE(60) h = b; NEXT(1);                                                                            // MOV H,B
    OPCODE(61) h = c; NEXT(1);                                                                            // MOV H,C
    OPCODE(62) h = d; NEXT(1);                                                                            // MOV H,D
    OPCODE(63) h = e; NEXT(1);                                                                            // MOV H,E
    OPCODE(64) NEXT(1);                                                                                   // MOV H,H
    OPCODE(65) h = l; NEXT(1);                                                                            // MOV H,L
    OPCODE(66) h = mem[HL]; NEXT(1);                                                                      // MOV H,M
    OPCODE(67) h = a; NEXT(1);                                                                            // MOV H,A
    OPCODE(68) l = b; NEXT(1);                                                                            // MOV L,B
    OPCODE(69) l = c; NEXT(1);                                                                            // MOV L,C
    OPCODE(6A) l = d; NEXT(1);                                                                            // MOV L,D
    OPCODE(6B) l = e; NEXT(1);                                                                            // MOV L,E
    OPCODE(6C) l = h; NEXT(1);                                                                            // MOV L,H
    OPCODE(6D) NEXT(1);                                                                                   // MOV L,L
    OPCODE(6E) l = mem[HL]; NEXT(1);                                                                      // MOV L,M
    OPCODE(6F) l = a; NEXT(1);                                                                            // MOV L,A
    OPCODE(70) STORE(HL, b); NEXT(1);                                                                     // MOV M,B
    OPCODE(71) STORE(HL, c); NEXT(1);                                                                     // MOV M,C
    OPCODE(72) STORE(HL, d); NEXT(1);                                                                     // MOV M,D
    OPCODE(73) STORE(HL, e); NEXT(1);                                                                     // MOV M,E
    OPCODE(74) STORE(HL, h); NEXT(1);                                                                     // MOV M,H
    OPCODE(75) STORE(HL, l); NEXT(1);                                                                     // MOV M,L
    OPCODE(76) HALT();                                                                                    // HLT
    OPCODE(77) STORE(HL, a); NEXT(1);                                                                     // MOV M,A
    OPCODE(78) a = b; NEXT(1);                                                                            // MOV A,B
    OPCODE(79) a = c; NEXT(1);                                                                            // MOV A,C
    OPCODE(7A) a = d; NEXT(1);                                                                            // MOV A,D
    OPCODE(7B) a = e; NEXT(1);                                                                            // MOV A,E
    OPCODE(7C) a = h; NEXT(1);                                                                            // MOV A,H
    OPCODE(7D) a = l; NEXT(1);                                                                            // MOV A,L
    OPCODE(7E) a = mem[HL]; NEXT(1);                                                                      // MOV A,M
    OPCODE(7F) NEXT(1);                                                                                   // MOV A,A
    OPCODE(80) alu::Accumulate<0>(a, f, b); NEXT(1);                                                      // ADD B
    OPCODE(81) alu::Accumulate<0>(a, f, c); NEXT(1);                                                      // ADD C
    OPCODE(82) alu::Accumulate<0>(a, f, d); NEXT(1);                                                      // ADD D
    OPCODE(83) alu::Accumulate<0>(a, f, e); NEXT(1);                                                      // ADD E
    OPCODE(84) alu::Accumulate<0>(a, f, h); NEXT(1);                                                      // ADD H
    OPCODE(85) alu::Accumulate<0>(a, f, l); NEXT(1);                                                      // ADD L
    OPCODE(86) alu::Accumulate<0>(a, f, mem[HL]); NEXT(1);                                                // ADD M
    OPCODE(87) alu::Accumulate<0>(a, f, a); NEXT(1);                                                      // ADD A
    OPCODE(88) alu::Accumulate<1>(a, f, b); NEXT(1);                                                      // ADC B
    OPCODE(89) alu::Accumulate<1>(a, f, c); NEXT(1);                                                      // ADC C
    OPCODE(8A) alu::Accumulate<1>(a, f, d); NEXT(1);                                                      // ADC D
    OPCODE(8B) alu::Accumulate<1>(a, f, e); NEXT(1);                                                      // ADC E
    OPCODE(8C) alu::Accumulate<1>(a, f, h); NEXT(1);                                                      // ADC H
    OPCODE(8D) alu::Accumulate<1>(a, f, l); NEXT(1);                                                      // ADC L
    OPCODE(8E) alu::Accumulate<1>(a, f, mem[HL]); NEXT(1);                                                // ADC M
    OPCODE(8F) alu::Accumulate<1>(a, f, a); NEXT(1);                                                      // ADC A
    OPCODE(90) alu::Accumulate<2>(a, f, b); NEXT(1);                                                      // SUB B
    OPCODE(91) alu::Accumulate<2>(a, f, c); NEXT(1);                                                      // SUB C
    OPCODE(92) alu::Accumulate<2>(a, f, d); NEXT(1);                                                      // SUB D
    OPCODE(93) alu::Accumulate<2>(a, f, e); NEXT(1);                                                      // SUB E
    OPCODE(94) alu::Accumulate<2>(a, f, h); NEXT(1);                                                      // SUB H
    OPCODE(95) alu::Accumulate<2>(a, f, l); NEXT(1);                                                      // SUB L
    OPCODE(96) alu::Accumulate<2>(a, f, mem[HL]); NEXT(1);                                                // SUB M
    OPCODE(97) alu::Accumulate<2>(a, f, a); NEXT(1);                                                      // SUB A
    OPCODE(98) alu::Accumulate<3>(a, f, b); NEXT(1);                                                      // SBB B
    OPCODE(99) alu::Accumulate<3>(a, f, c); NEXT(1);                                                      // SBB C
    OPCODE(9A) alu::Accumulate<3>(a, f, d); NEXT(1);                                                      // SBB D
    OPCODE(9B) alu::Accumulate<3>(a, f, e); NEXT(1);                                                      // SBB E
    OPCODE(9C) alu::Accumulate<3>(a, f, h); NEXT(1);                                                      // SBB H
    OPCODE(9D) alu::Accumulate<3>(a, f, l); NEXT(1);                                                      // SBB L
    OPCODE(9E) alu::Accumulate<3>(a, f, mem[HL]); NEXT(1);                                                // SBB M
    OPCODE(9F) alu::Accumulate<3>(a, f, a); NEXT(1);                                                      // SBB A
    OPCODE(A0) alu::Accumulate<4>(a, f, b); NEXT(1);                                                      // ANA B
    OPCODE(A1) alu::Accumulate<4>(a, f, c); NEXT(1);                                                      // ANA C
    OPCODE(A2) alu::Accumulate<4>(a, f, d); NEXT(1);                                                      // ANA D
    OPCODE(A3) alu::Accumulate<4>(a, f, e); NEXT(1);                                                      // ANA E
    OPCODE(A4) alu::Accumulate<4>(a, f, h); NEXT(1);                                                      // ANA H
    OPCODE(A5) alu::Accumulate<4>(a, f, l); NEXT(1);                                                      // ANA L
    OPCODE(A6) alu::Accumulate<4>(a, f, mem[HL]); NEXT(1);                                                // ANA M
    OPCODE(A7) alu::Accumulate<4>(a, f, a); NEXT(1);                                                      // ANA A
    OPCODE(A8) alu::Accumulate<5>(a, f, b); NEXT(1);                                                      // XRA B
    OPCODE(A9) alu::Accumulate<5>(a, f, c); NEXT(1);                                                      // XRA C
    OPCODE(AA) alu::Accumulate<5>(a, f, d); NEXT(1);                                                      // XRA D
    OPCODE(AB) alu::Accumulate<5>(a, f, e); NEXT(1);                                                      // XRA E
    OPCODE(AC) alu::Accumulate<5>(a, f, h); NEXT(1);                                                      // XRA H
    OPCODE(AD) alu::Accumulate<5>(a, f, l); NEXT(1);                                                      // XRA L
    OPCODE(AE) alu::Accumulate<5>(a, f, mem[HL]); NEXT(1);                                                // XRA M
    OPCODE(AF) alu::Accumulate<5>(a, f, a); NEXT(1);                                                      // XRA A
    OPCODE(B0) alu::Accumulate<6>(a, f, b); NEXT(1);                                                      // ORA B
    OPCODE(B1) alu::Accumulate<6>(a, f, c); NEXT(1);                                                      // ORA C
    OPCODE(B2) alu::Accumulate<6>(a, f, d); NEXT(1);                                                      // ORA D
    OPCODE(B3) alu::Accumulate<6>(a, f, e); NEXT(1);                                                      // ORA E
    OPCODE(B4) alu::Accumulate<6>(a, f, h); NEXT(1);                                                      // ORA H
    OPCODE(B5) alu::Accumulate<6>(a, f, l); NEXT(1);                                                      // ORA L
    OPCODE(B6) alu::Accumulate<6>(a, f, mem[HL]); NEXT(1);                                                // ORA M
    OPCODE(B7) alu::Accumulate<6>(a, f, a); NEXT(1);                                                      // ORA A
    OPCODE(B8) alu::Accumulate<7>(a, f, b); NEXT(1);                                                      // CMP B
    OPCODE(B9) alu::Accumulate<7>(a, f, c); NEXT(1);                                                      // CMP C
    OPCODE(BA) alu::Accumulate<7>(a, f, d); NEXT(1);                                                      // CMP D
    OPCODE(BB) alu::Accumulate<7>(a, f, e); NEXT(1);                                                      // CMP E
    OPCODE(BC) alu::Accumulate<7>(a, f, h); NEXT(1);                                                      // CMP H
    OPCODE(BD) alu::Accumulate<7>(a, f, l); NEXT(1);                                                      // CMP L
    OPCODE(BE) alu::Accumulate<7>(a, f, mem[HL]); NEXT(1);                                                // CMP M
    OPCODE(BF) alu::Accumulate<7>(a, f, a); NEXT(1);                                                      // CMP A
    OPCODE(C0) if (alu::ConditionMet(f, 0)) { t += kReturnTakenExtra; RETURN(); } NEXT(1);                // RNZ
    OPCODE(C1) c = mem[sp]; b = mem[(sp + 1) & 0xFFFF]; sp = (sp + 2) & 0xFFFF; NEXT(1);                  // POP B
    OPCODE(C2) if (alu::ConditionMet(f, 0)) { t += kJumpTakenExtra; JUMP(IMM16); } NEXT(3);               // JNZ
    OPCODE(C3) JUMP(IMM16);                                                                               // JMP
    OPCODE(C4) if (alu::ConditionMet(f, 0)) { t += kCallTakenExtra; CALL(); } NEXT(3);                    // CNZ
    OPCODE(C5) PUSH(b, c); NEXT(1);                                                                       // PUSH B
    OPCODE(C6) alu::Accumulate<0>(a, f, IMM8); NEXT(2);                                                   // ADI
    OPCODE(C7) WARN("RST", 0xC7); NEXT(1);                                                                // RST 0
    OPCODE(C8) if (alu::ConditionMet(f, 1)) { t += kReturnTakenExtra; RETURN(); } NEXT(1);                // RZ
    OPCODE(C9) RETURN();                                                                                  // RET
    OPCODE(CA) if (alu::ConditionMet(f, 1)) { t += kJumpTakenExtra; JUMP(IMM16); } NEXT(3);               // JZ
    OPCODE(CB) NEXT(1);                                                                                   // undefined
    OPCODE(CC) if (alu::ConditionMet(f, 1)) { t += kCallTakenExtra; CALL(); } NEXT(3);                    // CZ
    OPCODE(CD) CALL();                                                                                    // CALL
    OPCODE(CE) alu::Accumulate<1>(a, f, IMM8); NEXT(2);                                                   // ACI
    OPCODE(CF) WARN("RST", 0xCF); NEXT(1);                                                                // RST 1
    OPCODE(D0) if (alu::ConditionMet(f, 2)) { t += kReturnTakenExtra; RETURN(); } NEXT(1);                // RNC
    OPCODE(D1) e = mem[sp]; d = mem[(sp + 1) & 0xFFFF]; sp = (sp + 2) & 0xFFFF; NEXT(1);                  // POP D
    OPCODE(D2) if (alu::ConditionMet(f, 2)) { t += kJumpTakenExtra; JUMP(IMM16); } NEXT(3);               // JNC
    OPCODE(D3) WARN("OUT", 0xD3); NEXT(2);                                                                // OUT
    OPCODE(D4) if (alu::ConditionMet(f, 2)) { t += kCallTakenExtra; CALL(); } NEXT(3);                    // CNC
    OPCODE(D5) PUSH(d, e); NEXT(1);                                                                       // PUSH D
    OPCODE(D6) alu::Accumulate<2>(a, f, IMM8); NEXT(2);                                                   // SUI
    OPCODE(D7) WARN("RST", 0xD7); NEXT(1);                                                                // RST 2
    OPCODE(D8) if (alu::ConditionMet(f, 3)) { t += kReturnTakenExtra; RETURN(); } NEXT(1);                // RC
    OPCODE(D9) NEXT(1);                                                                                   // undefined
    OPCODE(DA) if (alu::ConditionMet(f, 3)) { t += kJumpTakenExtra; JUMP(IMM16); } NEXT(3);               // JC
    OPCODE(DB) WARN("IN", 0xDB); NEXT(2);                                                                 // IN
    OPCODE(DC) if (alu::ConditionMet(f, 3)) { t += kCallTakenExtra; CALL(); } NEXT(3);                    // CC
    OPCODE(DD) NEXT(1);                                                                                   // undefined
    OPCODE(DE) alu::Accumulate<3>(a, f, IMM8); NEXT(2);                                                   // SBI
    OPCODE(DF) WARN("RST", 0xDF); NEXT(1);                                                                // RST 3
    OPCODE(E0) if (alu::ConditionMet(f, 4)) { t += kReturnTakenExtra; RETURN(); } NEXT(1);                // RPO
    OPCODE(E1) l = mem[sp]; h = mem[(sp + 1) & 0xFFFF]; sp = (sp + 2) & 0xFFFF; NEXT(1);                  // POP H
    OPCODE(E2) if (alu::ConditionMet(f, 4)) { t += kJumpTakenExtra; JUMP(IMM16); } NEXT(3);               // JPO
    OPCODE(E3) { const unsigned old = l; l = mem[sp]; STORE(sp, old); } { const unsigned old = h; h = mem[(sp + 1) & 0xFFFF]; STORE(sp + 1, old); } NEXT(1);  // XTHL
    OPCODE(E4) if (alu::ConditionMet(f, 4)) { t += kCallTakenExtra; CALL(); } NEXT(3);                    // CPO
    OPCODE(E5) PUSH(h, l); NEXT(1);                                                                       // PUSH H
    OPCODE(E6) alu::Accumulate<4>(a, f, IMM8); NEXT(2);                                                   // ANI
    OPCODE(E7) WARN("RST", 0xE7); NEXT(1);                                                                // RST 4
    OPCODE(E8) if (alu::ConditionMet(f, 5)) { t += kReturnTakenExtra; RETURN(); } NEXT(1);                // RPE
    OPCODE(E9) JUMP(HL);                                                                                  // PCHL
    OPCODE(EA) if (alu::ConditionMet(f, 5)) { t += kJumpTakenExtra; JUMP(IMM16); } NEXT(3);               // JPE
    OPCODE(EB) std::swap(d, h); std::swap(e, l); NEXT(1);                                                 // XCHG
    OPCODE(EC) if (alu::ConditionMet(f, 5)) { t += kCallTakenExtra; CALL(); } NEXT(3);                    // CPE
    OPCODE(ED) NEXT(1);                                                                                   // undefined
    OPCODE(EE) alu::Accumulate<5>(a, f, IMM8); NEXT(2);                                                   // XRI
    OPCODE(EF) WARN("RST", 0xEF); NEXT(1);                                                                // RST 5
    OPCODE(F0) if (alu::ConditionMet(f, 6)) { t += kReturnTakenExtra; RETURN(); } NEXT(1);                // RP
    OPCODE(F1) f = mem[sp]; a = mem[(sp + 1) & 0xFFFF]; sp = (sp + 2) & 0xFFFF; NEXT(1);                  // POP PSW
    OPCODE(F2) if (alu::ConditionMet(f, 6)) { t += kJumpTakenExtra; JUMP(IMM16); } NEXT(3);               // JP
    OPCODE(F3) WARN("DI", 0xF3); NEXT(1);                                                                 // DI
    OPCODE(F4) if (alu::ConditionMet(f, 6)) { t += kCallTakenExtra; CALL(); } NEXT(3);                    // CP
    OPCODE(F5) PUSH(a, f); NEXT(1);                                                                       // PUSH PSW
    OPCODE(F6) alu::Accumulate<6>(a, f, IMM8); NEXT(2);                                                   // ORI
    OPCODE(F7) WARN("RST", 0xF7); NEXT(1);                                                                // RST 6
    OPCODE(F8) if (alu::ConditionMet(f, 7)) { t += kReturnTakenExtra; RETURN(); } NEXT(1);                // RM
    OPCODE(F9) sp = HL; NEXT(1);                                                                          // SPHL
    OPCODE(FA) if (alu::ConditionMet(f, 7)) { t += kJumpTakenExtra; JUMP(IMM16); } NEXT(3);               // JM
    OPCODE(FB) WARN("EI", 0xFB); NEXT(1);                                                                 // EI
    OPCODE(FC) if (alu::ConditionMet(f, 7)) { t += kCallTakenExtra; CALL(); } NEXT(3);                    // CM
    OPCODE(FD) NEXT(1);                                                                                   // undefined
    OPCODE(FE) alu::Accumulate<7>(a, f, IMM8); NEXT(2);                                                   // CPI
    OPCODE(FF) WARN("RST", 0xFF); NEXT(1);                                                                // RST 7

#if !VANTRIC_THREADED_DISPATCH
    }
#endif

[[maybe_unused]] landed: {
    // PC is not simply the start of one line: no line, several lines, or a breakpoint.
    const std::int64_t previous = VANTRIC_PREVIOUS_LINE();
    --countdown;
    const std::uint8_t attribute = attributes[pc];
    const std::int64_t advanced = VANTRIC_ADVANCED(previous);
    if (attribute & LineMap::kNoLine) {
        s.CurrentLine = static_cast<std::int32_t>(advanced);
        reason = Uncompiled();
        goto leave;
    }
    if (attribute & LineMap::kSearch) {
        const std::int64_t found = lines_.Track(static_cast<std::int32_t>(pc), advanced, true);
        if (found < 0) {
            s.CurrentLine = static_cast<std::int32_t>(advanced);
            reason = Uncompiled();
            goto leave;
        }
        sharedLine = found;
    }
    if (attribute & LineMap::kBreakpoint) {
        s.CurrentLine = static_cast<std::int32_t>(VANTRIC_LANDING_LINE());
        reason = StopReason::Breakpoint;
        goto leave;
    }
    if (countdown == 0) goto boundary;
    DISPATCH();
}

boundary: {
    Account(chunk);
    chunk = 0;
    firstCountdown = 0;
    if (!ContinueAfterChunk(stopAfterFirst, reason)) {
        s.CurrentLine = static_cast<std::int32_t>(VANTRIC_LANDING_LINE());
        goto leave;
    }
    chunk = NextChunk(false);
    countdown = static_cast<std::uint32_t>(chunk);
    DISPATCH();
}

[[maybe_unused]] stepped: {
    // Step mode never guesses and always selects the line it finds.
    const std::int64_t advanced = VANTRIC_ADVANCED(entryLine);
    const std::int64_t found = lines_.Track(static_cast<std::int32_t>(pc), advanced, false);
    --countdown;
    if (found < 0) {
        s.CurrentLine = static_cast<std::int32_t>(advanced);
        reason = Uncompiled();
    } else {
        s.CurrentLine = static_cast<std::int32_t>(found);
        if (observer_) observer_->SelectLine(lines_.SelectionStart(found), lines_.SelectionLength(found));
    }
}

leave:
    s.Register(RegA) = static_cast<std::uint8_t>(a);
    s.Register(RegB) = static_cast<std::uint8_t>(b);
    s.Register(RegC) = static_cast<std::uint8_t>(c);
    s.Register(RegD) = static_cast<std::uint8_t>(d);
    s.Register(RegE) = static_cast<std::uint8_t>(e);
    s.Register(RegH) = static_cast<std::uint8_t>(h);
    s.Register(RegL) = static_cast<std::uint8_t>(l);
    s.Flags = static_cast<std::uint8_t>(f);
    s.StackPointer = static_cast<std::uint16_t>(sp);
    s.ProgramCounter = static_cast<std::int32_t>(pc);
    s.TStateCount = t;
    if constexpr (!Stepping) Account(chunk - countdown);
    return reason;

#undef VANTRIC_PREVIOUS_LINE
#undef VANTRIC_LANDING_LINE
#undef VANTRIC_ADVANCED
#undef OPCODE
#undef DISPATCH
#undef FINISH
#undef NEXT
#undef JUMP
#undef IMM8
#undef IMM16
#undef BC
#undef DE
#undef HL
#undef SET_PAIR
#undef ADD_HL
#undef STORE
#undef PUSH
#undef CALL
#undef RETURN
#undef WARN
#undef HALT
}

#if VANTRIC_THREADED_DISPATCH
#pragma GCC diagnostic pop
#endif

template StopReason Machine::Execute<false>(const bool*);
template StopReason Machine::Execute<true>(const bool*);

}  // namespace vantric
