// The engine's run loop: every opcode's handler with its own copy of the common end, the registers
// in local variables for the whole burst, and dispatch through a table of label addresses where the
// compiler offers them (a switch elsewhere). See docs/engine.md for why it is built this way.

#include <algorithm>
#include <bit>
#include <cstring>
#include <iterator>
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

// The two bytes at `bytes`, low byte first.
inline unsigned Word(const std::uint8_t* bytes) {
    std::uint16_t word;
    std::memcpy(&word, bytes, sizeof word);
    if constexpr (std::endian::native == std::endian::big) word = static_cast<std::uint16_t>(word >> 8 | word << 8);
    return word;
}

}  // namespace

// The opcode table and the handlers are laid out by hand, one opcode per line, for reading side
// by side with the instruction set; the formatter leaves them alone.
// clang-format off
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
// Label addresses and computed goto are compiler extensions; this function is their one user.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpedantic"
#endif

template <bool Stepping>
StopReason Machine::Execute(const bool* stopRequested) {
    // Everything the handlers touch sits at a fixed offset from `this`, so the registers of the
    // 8085 can have host registers of their own: A, the flags, the pairs BC, DE and HL, SP, PC
    // (the address of the instruction being executed, until its handler moves on), the T-state
    // count and the countdown of the chunk. The slow paths hand them back to memory before they
    // call anything and take them again afterwards, so that no call keeps them out of registers.
    ProcessorState& s = state_;
    unsigned a, f, bc, de, hl, sp, pc;
    std::int64_t t;
    std::uint32_t countdown;
#define SAVE_REGISTERS()                                     \
    do {                                                     \
        s.Register(RegA) = static_cast<std::uint8_t>(a);     \
        s.Register(RegB) = static_cast<std::uint8_t>(bc >> 8); \
        s.Register(RegC) = static_cast<std::uint8_t>(bc);    \
        s.Register(RegD) = static_cast<std::uint8_t>(de >> 8); \
        s.Register(RegE) = static_cast<std::uint8_t>(de);    \
        s.Register(RegH) = static_cast<std::uint8_t>(hl >> 8); \
        s.Register(RegL) = static_cast<std::uint8_t>(hl);    \
        s.Flags = static_cast<std::uint8_t>(f);              \
        s.StackPointer = static_cast<std::uint16_t>(sp);     \
        s.ProgramCounter = static_cast<std::int32_t>(pc);    \
        s.TStateCount = t;                                   \
        countdown_ = countdown;                              \
    } while (0)
#define LOAD_REGISTERS()                                                   \
    do {                                                                   \
        a = s.Register(RegA);                                              \
        f = s.Flags;                                                       \
        bc = static_cast<unsigned>(s.Register(RegB) << 8 | s.Register(RegC)); \
        de = static_cast<unsigned>(s.Register(RegD) << 8 | s.Register(RegE)); \
        hl = static_cast<unsigned>(s.Register(RegH) << 8 | s.Register(RegL)); \
        sp = s.StackPointer;                                               \
        pc = static_cast<unsigned>(s.ProgramCounter) & 0xFFFF;             \
        t = s.TStateCount;                                                 \
        countdown = countdown_;                                            \
    } while (0)

    // The run is cut into chunks; the countdown counts the instructions left in the current one,
    // and its end is the only place the yield cadence, the instruction limit, the budget and a
    // stop request are looked at.
    BeginBurst(Stepping, stopRequested != nullptr && *stopRequested);
    countdown_ = static_cast<std::uint32_t>(chunk_);
    LOAD_REGISTERS();

#define MEMORY(address) s.Memory[address]
#define ATTRIBUTE(address) lines_.AttributeTable()[address]
#define HANDLERS (Stepping ? stepHandlers_ : runHandlers_)

#if VANTRIC_THREADED_DISPATCH
#define OPCODE(hex) op_##hex:
#define DISPATCH()                           \
    do {                                     \
        const unsigned opcode_ = MEMORY(pc); \
        t += tstates_[opcode_];              \
        goto* HANDLERS[opcode_];             \
    } while (0)
    // The table lives in the object, at a fixed offset from `this` like everything else.
    if (HANDLERS[0] == nullptr) {
        static const void* const kHandlers[256] = {
#define VANTRIC_LABEL(hex) &&op_##hex,
            VANTRIC_EACH_OPCODE(VANTRIC_LABEL)
#undef VANTRIC_LABEL
        };
        std::copy(std::begin(kHandlers), std::end(kHandlers), HANDLERS.begin());
    }
#else
#define OPCODE(hex) case 0x##hex:
#define DISPATCH() goto dispatch
#endif

    // The common end of every instruction: PC moves on to `target`; anything but an address that
    // starts exactly one line, without a breakpoint, goes the slow way, which is told where the
    // instruction was.
#define JUMP(target)                                      \
    do {                                                  \
        const unsigned next_ = (target);                  \
        if constexpr (Stepping) {                         \
            pc = next_;                                   \
            goto stepped;                                 \
        } else {                                          \
            if (ATTRIBUTE(next_) != 0) [[unlikely]] {     \
                instructionAddress_ = pc;                 \
                pc = next_;                               \
                goto landed;                              \
            }                                             \
            pc = next_;                                   \
            if (--countdown == 0) [[unlikely]]            \
                goto boundary;                            \
            DISPATCH();                                   \
        }                                                 \
    } while (0)
    // Past FFFFH the attribute table has entries that take the slow way, where PC wraps.
#define NEXT(length) JUMP(pc + (length))
#define IMM8 MEMORY((pc + 1) & 0xFFFF)
#define IMM16 (pc < 0xFFFE ? Word(s.Memory.data() + pc + 1) : WrappedWord(pc + 1))
#define ADD_HL(value)                                                              \
    do {                                                                           \
        const unsigned sum_ = hl + (value);                                        \
        hl = sum_ & 0xFFFF;                                                        \
        f = (f & ~static_cast<unsigned>(FlagCY)) | (sum_ > 0xFFFF ? FlagCY : 0);   \
    } while (0)
    // A store the grid watches is noted in a list with room for every address; no call.
#define STORE(address, value)                                         \
    do {                                                              \
        const unsigned at_ = (address) & 0xFFFF;                      \
        MEMORY(at_) = static_cast<std::uint8_t>(value);               \
        if (watched_[at_] == kWatchedAddress) [[unlikely]] {          \
            watched_[at_] = kStoreNoted;                              \
            storesToReport_[storesNoted_++] = static_cast<std::uint16_t>(at_); \
        }                                                             \
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
#define POP_INTO(target)                                      \
    do {                                                      \
        target = MEMORY(sp) | MEMORY((sp + 1) & 0xFFFF) << 8; \
        sp = (sp + 2) & 0xFFFF;                               \
    } while (0)
#define RETURN()           \
    do {                   \
        unsigned target_;  \
        POP_INTO(target_); \
        JUMP(target_);     \
    } while (0)
    // XTHL: L with the byte at SP, H with the byte above it.
#define EXCHANGE_TOP_WITH_HL()                                             \
    do {                                                                   \
        const unsigned top_ = MEMORY(sp) | MEMORY((sp + 1) & 0xFFFF) << 8; \
        STORE(sp, hl & 255);                                               \
        STORE(sp + 1, hl >> 8);                                            \
        hl = top_;                                                         \
    } while (0)
#define WARN(name, opcode)                             \
    do {                                               \
        if (!warned_[opcode]) [[unlikely]] {   \
            SAVE_REGISTERS();                          \
            Warn(name, opcode);                        \
            LOAD_REGISTERS();                          \
        }                                              \
    } while (0)
#define HALT()                            \
    do {                                  \
        instructionAddress_ = pc;         \
        pc = (pc + 1) & 0xFFFF;           \
        SAVE_REGISTERS();                 \
        Halted(Stepping);                 \
        return StopReason::Halted;        \
    } while (0)

    if (countdown == 0) {
        SAVE_REGISTERS();
        return StopReason::BudgetUsed;
    }
    DISPATCH();

#if !VANTRIC_THREADED_DISPATCH
dispatch:
    t += tstates_[MEMORY(pc)];
    switch (MEMORY(pc)) {
#endif

    // One handler per opcode, in opcode order.
    OPCODE(00) NEXT(1);                                                                               // NOP
    OPCODE(01) bc = IMM16; NEXT(3);                                                                   // LXI B
    OPCODE(02) STORE(bc, a); NEXT(1);                                                                 // STAX B
    OPCODE(03) bc = (bc + 1) & 0xFFFF; NEXT(1);                                                       // INX B
    OPCODE(04) bc = (bc & 0x00FF) | alu::Increment(f, (bc >> 8)) << 8; NEXT(1);                       // INR B
    OPCODE(05) bc = (bc & 0x00FF) | alu::Decrement(f, (bc >> 8)) << 8; NEXT(1);                       // DCR B
    OPCODE(06) bc = (bc & 0x00FF) | IMM8 << 8; NEXT(2);                                               // MVI B
    OPCODE(07) alu::RotateLeftCircular(a, f); NEXT(1);                                                // RLC
    OPCODE(08) NEXT(1);                                                                               // undefined
    OPCODE(09) ADD_HL(bc); NEXT(1);                                                                   // DAD B
    OPCODE(0A) a = MEMORY(bc); NEXT(1);                                                               // LDAX B
    OPCODE(0B) bc = (bc - 1) & 0xFFFF; NEXT(1);                                                       // DCX B
    OPCODE(0C) bc = (bc & 0xFF00) | alu::Increment(f, (bc & 255)); NEXT(1);                           // INR C
    OPCODE(0D) bc = (bc & 0xFF00) | alu::Decrement(f, (bc & 255)); NEXT(1);                           // DCR C
    OPCODE(0E) bc = (bc & 0xFF00) | IMM8; NEXT(2);                                                    // MVI C
    OPCODE(0F) alu::RotateRightCircular(a, f); NEXT(1);                                               // RRC
    OPCODE(10) NEXT(1);                                                                               // undefined
    OPCODE(11) de = IMM16; NEXT(3);                                                                   // LXI D
    OPCODE(12) STORE(de, a); NEXT(1);                                                                 // STAX D
    OPCODE(13) de = (de + 1) & 0xFFFF; NEXT(1);                                                       // INX D
    OPCODE(14) de = (de & 0x00FF) | alu::Increment(f, (de >> 8)) << 8; NEXT(1);                       // INR D
    OPCODE(15) de = (de & 0x00FF) | alu::Decrement(f, (de >> 8)) << 8; NEXT(1);                       // DCR D
    OPCODE(16) de = (de & 0x00FF) | IMM8 << 8; NEXT(2);                                               // MVI D
    OPCODE(17) alu::RotateLeftThroughCarry(a, f); NEXT(1);                                            // RAL
    OPCODE(18) NEXT(1);                                                                               // undefined
    OPCODE(19) ADD_HL(de); NEXT(1);                                                                   // DAD D
    OPCODE(1A) a = MEMORY(de); NEXT(1);                                                               // LDAX D
    OPCODE(1B) de = (de - 1) & 0xFFFF; NEXT(1);                                                       // DCX D
    OPCODE(1C) de = (de & 0xFF00) | alu::Increment(f, (de & 255)); NEXT(1);                           // INR E
    OPCODE(1D) de = (de & 0xFF00) | alu::Decrement(f, (de & 255)); NEXT(1);                           // DCR E
    OPCODE(1E) de = (de & 0xFF00) | IMM8; NEXT(2);                                                    // MVI E
    OPCODE(1F) alu::RotateRightThroughCarry(a, f); NEXT(1);                                           // RAR
    OPCODE(20) WARN("RIM", 0x20); NEXT(1);                                                            // RIM
    OPCODE(21) hl = IMM16; NEXT(3);                                                                   // LXI H
    OPCODE(22) { const unsigned at = IMM16; STORE(at, hl & 255); STORE(at + 1, hl >> 8); } NEXT(3);   // SHLD
    OPCODE(23) hl = (hl + 1) & 0xFFFF; NEXT(1);                                                       // INX H
    OPCODE(24) hl = (hl & 0x00FF) | alu::Increment(f, (hl >> 8)) << 8; NEXT(1);                       // INR H
    OPCODE(25) hl = (hl & 0x00FF) | alu::Decrement(f, (hl >> 8)) << 8; NEXT(1);                       // DCR H
    OPCODE(26) hl = (hl & 0x00FF) | IMM8 << 8; NEXT(2);                                               // MVI H
    OPCODE(27) alu::DecimalAdjust(a, f); NEXT(1);                                                     // DAA
    OPCODE(28) NEXT(1);                                                                               // undefined
    OPCODE(29) ADD_HL(hl); NEXT(1);                                                                   // DAD H
    OPCODE(2A) { const unsigned at = IMM16; hl = MEMORY(at) | MEMORY((at + 1) & 0xFFFF) << 8; } NEXT(3);  // LHLD
    OPCODE(2B) hl = (hl - 1) & 0xFFFF; NEXT(1);                                                       // DCX H
    OPCODE(2C) hl = (hl & 0xFF00) | alu::Increment(f, (hl & 255)); NEXT(1);                           // INR L
    OPCODE(2D) hl = (hl & 0xFF00) | alu::Decrement(f, (hl & 255)); NEXT(1);                           // DCR L
    OPCODE(2E) hl = (hl & 0xFF00) | IMM8; NEXT(2);                                                    // MVI L
    OPCODE(2F) a = 255 - a; NEXT(1);                                                                  // CMA
    OPCODE(30) WARN("SIM", 0x30); NEXT(1);                                                            // SIM
    OPCODE(31) sp = IMM16; NEXT(3);                                                                   // LXI SP
    OPCODE(32) STORE(IMM16, a); NEXT(3);                                                              // STA
    OPCODE(33) sp = (sp + 1) & 0xFFFF; NEXT(1);                                                       // INX SP
    OPCODE(34) STORE(hl, alu::Increment(f, MEMORY(hl))); NEXT(1);                                     // INR M
    OPCODE(35) STORE(hl, alu::Decrement(f, MEMORY(hl))); NEXT(1);                                     // DCR M
    OPCODE(36) STORE(hl, IMM8); NEXT(2);                                                              // MVI M
    OPCODE(37) f |= FlagCY; NEXT(1);                                                                  // STC
    OPCODE(38) NEXT(1);                                                                               // undefined
    OPCODE(39) ADD_HL(sp); NEXT(1);                                                                   // DAD SP
    OPCODE(3A) a = MEMORY(IMM16); NEXT(3);                                                            // LDA
    OPCODE(3B) sp = (sp - 1) & 0xFFFF; NEXT(1);                                                       // DCX SP
    OPCODE(3C) a = alu::Increment(f, a); NEXT(1);                                                     // INR A
    OPCODE(3D) a = alu::Decrement(f, a); NEXT(1);                                                     // DCR A
    OPCODE(3E) a = IMM8; NEXT(2);                                                                     // MVI A
    OPCODE(3F) f ^= FlagCY; NEXT(1);                                                                  // CMC
    OPCODE(40) NEXT(1);                                                                               // MOV B,B
    OPCODE(41) bc = (bc & 0x00FF) | (bc & 255) << 8; NEXT(1);                                         // MOV B,C
    OPCODE(42) bc = (bc & 0x00FF) | (de & 0xFF00); NEXT(1);                                          // MOV B,D
    OPCODE(43) bc = (bc & 0x00FF) | (de & 255) << 8; NEXT(1);                                         // MOV B,E
    OPCODE(44) bc = (bc & 0x00FF) | (hl & 0xFF00); NEXT(1);                                          // MOV B,H
    OPCODE(45) bc = (bc & 0x00FF) | (hl & 255) << 8; NEXT(1);                                         // MOV B,L
    OPCODE(46) bc = (bc & 0x00FF) | MEMORY(hl) << 8; NEXT(1);                                         // MOV B,M
    OPCODE(47) bc = (bc & 0x00FF) | a << 8; NEXT(1);                                                  // MOV B,A
    OPCODE(48) bc = (bc & 0xFF00) | (bc >> 8); NEXT(1);                                               // MOV C,B
    OPCODE(49) NEXT(1);                                                                               // MOV C,C
    OPCODE(4A) bc = (bc & 0xFF00) | (de >> 8); NEXT(1);                                               // MOV C,D
    OPCODE(4B) bc = (bc & 0xFF00) | (de & 255); NEXT(1);                                              // MOV C,E
    OPCODE(4C) bc = (bc & 0xFF00) | (hl >> 8); NEXT(1);                                               // MOV C,H
    OPCODE(4D) bc = (bc & 0xFF00) | (hl & 255); NEXT(1);                                              // MOV C,L
    OPCODE(4E) bc = (bc & 0xFF00) | MEMORY(hl); NEXT(1);                                              // MOV C,M
    OPCODE(4F) bc = (bc & 0xFF00) | a; NEXT(1);                                                       // MOV C,A
    OPCODE(50) de = (de & 0x00FF) | (bc & 0xFF00); NEXT(1);                                          // MOV D,B
    OPCODE(51) de = (de & 0x00FF) | (bc & 255) << 8; NEXT(1);                                         // MOV D,C
    OPCODE(52) NEXT(1);                                                                               // MOV D,D
    OPCODE(53) de = (de & 0x00FF) | (de & 255) << 8; NEXT(1);                                         // MOV D,E
    OPCODE(54) de = (de & 0x00FF) | (hl & 0xFF00); NEXT(1);                                          // MOV D,H
    OPCODE(55) de = (de & 0x00FF) | (hl & 255) << 8; NEXT(1);                                         // MOV D,L
    OPCODE(56) de = (de & 0x00FF) | MEMORY(hl) << 8; NEXT(1);                                         // MOV D,M
    OPCODE(57) de = (de & 0x00FF) | a << 8; NEXT(1);                                                  // MOV D,A
    OPCODE(58) de = (de & 0xFF00) | (bc >> 8); NEXT(1);                                               // MOV E,B
    OPCODE(59) de = (de & 0xFF00) | (bc & 255); NEXT(1);                                              // MOV E,C
    OPCODE(5A) de = (de & 0xFF00) | (de >> 8); NEXT(1);                                               // MOV E,D
    OPCODE(5B) NEXT(1);                                                                               // MOV E,E
    OPCODE(5C) de = (de & 0xFF00) | (hl >> 8); NEXT(1);                                               // MOV E,H
    OPCODE(5D) de = (de & 0xFF00) | (hl & 255); NEXT(1);                                              // MOV E,L
    OPCODE(5E) de = (de & 0xFF00) | MEMORY(hl); NEXT(1);                                              // MOV E,M
    OPCODE(5F) de = (de & 0xFF00) | a; NEXT(1);                                                       // MOV E,A
    OPCODE(60) hl = (hl & 0x00FF) | (bc & 0xFF00); NEXT(1);                                          // MOV H,B
    OPCODE(61) hl = (hl & 0x00FF) | (bc & 255) << 8; NEXT(1);                                         // MOV H,C
    OPCODE(62) hl = (hl & 0x00FF) | (de & 0xFF00); NEXT(1);                                          // MOV H,D
    OPCODE(63) hl = (hl & 0x00FF) | (de & 255) << 8; NEXT(1);                                         // MOV H,E
    OPCODE(64) NEXT(1);                                                                               // MOV H,H
    OPCODE(65) hl = (hl & 0x00FF) | (hl & 255) << 8; NEXT(1);                                         // MOV H,L
    OPCODE(66) hl = (hl & 0x00FF) | MEMORY(hl) << 8; NEXT(1);                                         // MOV H,M
    OPCODE(67) hl = (hl & 0x00FF) | a << 8; NEXT(1);                                                  // MOV H,A
    OPCODE(68) hl = (hl & 0xFF00) | (bc >> 8); NEXT(1);                                               // MOV L,B
    OPCODE(69) hl = (hl & 0xFF00) | (bc & 255); NEXT(1);                                              // MOV L,C
    OPCODE(6A) hl = (hl & 0xFF00) | (de >> 8); NEXT(1);                                               // MOV L,D
    OPCODE(6B) hl = (hl & 0xFF00) | (de & 255); NEXT(1);                                              // MOV L,E
    OPCODE(6C) hl = (hl & 0xFF00) | (hl >> 8); NEXT(1);                                               // MOV L,H
    OPCODE(6D) NEXT(1);                                                                               // MOV L,L
    OPCODE(6E) hl = (hl & 0xFF00) | MEMORY(hl); NEXT(1);                                              // MOV L,M
    OPCODE(6F) hl = (hl & 0xFF00) | a; NEXT(1);                                                       // MOV L,A
    OPCODE(70) STORE(hl, (bc >> 8)); NEXT(1);                                                         // MOV M,B
    OPCODE(71) STORE(hl, (bc & 255)); NEXT(1);                                                        // MOV M,C
    OPCODE(72) STORE(hl, (de >> 8)); NEXT(1);                                                         // MOV M,D
    OPCODE(73) STORE(hl, (de & 255)); NEXT(1);                                                        // MOV M,E
    OPCODE(74) STORE(hl, (hl >> 8)); NEXT(1);                                                         // MOV M,H
    OPCODE(75) STORE(hl, (hl & 255)); NEXT(1);                                                        // MOV M,L
    OPCODE(76) HALT();                                                                                // HLT
    OPCODE(77) STORE(hl, a); NEXT(1);                                                                 // MOV M,A
    OPCODE(78) a = (bc >> 8); NEXT(1);                                                                // MOV A,B
    OPCODE(79) a = (bc & 255); NEXT(1);                                                               // MOV A,C
    OPCODE(7A) a = (de >> 8); NEXT(1);                                                                // MOV A,D
    OPCODE(7B) a = (de & 255); NEXT(1);                                                               // MOV A,E
    OPCODE(7C) a = (hl >> 8); NEXT(1);                                                                // MOV A,H
    OPCODE(7D) a = (hl & 255); NEXT(1);                                                               // MOV A,L
    OPCODE(7E) a = MEMORY(hl); NEXT(1);                                                               // MOV A,M
    OPCODE(7F) NEXT(1);                                                                               // MOV A,A
    OPCODE(80) alu::Accumulate<0>(a, f, (bc >> 8)); NEXT(1);                                          // ADD B
    OPCODE(81) alu::Accumulate<0>(a, f, (bc & 255)); NEXT(1);                                         // ADD C
    OPCODE(82) alu::Accumulate<0>(a, f, (de >> 8)); NEXT(1);                                          // ADD D
    OPCODE(83) alu::Accumulate<0>(a, f, (de & 255)); NEXT(1);                                         // ADD E
    OPCODE(84) alu::Accumulate<0>(a, f, (hl >> 8)); NEXT(1);                                          // ADD H
    OPCODE(85) alu::Accumulate<0>(a, f, (hl & 255)); NEXT(1);                                         // ADD L
    OPCODE(86) alu::Accumulate<0>(a, f, MEMORY(hl)); NEXT(1);                                         // ADD M
    OPCODE(87) alu::Accumulate<0>(a, f, a); NEXT(1);                                                  // ADD A
    OPCODE(88) alu::Accumulate<1>(a, f, (bc >> 8)); NEXT(1);                                          // ADC B
    OPCODE(89) alu::Accumulate<1>(a, f, (bc & 255)); NEXT(1);                                         // ADC C
    OPCODE(8A) alu::Accumulate<1>(a, f, (de >> 8)); NEXT(1);                                          // ADC D
    OPCODE(8B) alu::Accumulate<1>(a, f, (de & 255)); NEXT(1);                                         // ADC E
    OPCODE(8C) alu::Accumulate<1>(a, f, (hl >> 8)); NEXT(1);                                          // ADC H
    OPCODE(8D) alu::Accumulate<1>(a, f, (hl & 255)); NEXT(1);                                         // ADC L
    OPCODE(8E) alu::Accumulate<1>(a, f, MEMORY(hl)); NEXT(1);                                         // ADC M
    OPCODE(8F) alu::Accumulate<1>(a, f, a); NEXT(1);                                                  // ADC A
    OPCODE(90) alu::Accumulate<2>(a, f, (bc >> 8)); NEXT(1);                                          // SUB B
    OPCODE(91) alu::Accumulate<2>(a, f, (bc & 255)); NEXT(1);                                         // SUB C
    OPCODE(92) alu::Accumulate<2>(a, f, (de >> 8)); NEXT(1);                                          // SUB D
    OPCODE(93) alu::Accumulate<2>(a, f, (de & 255)); NEXT(1);                                         // SUB E
    OPCODE(94) alu::Accumulate<2>(a, f, (hl >> 8)); NEXT(1);                                          // SUB H
    OPCODE(95) alu::Accumulate<2>(a, f, (hl & 255)); NEXT(1);                                         // SUB L
    OPCODE(96) alu::Accumulate<2>(a, f, MEMORY(hl)); NEXT(1);                                         // SUB M
    OPCODE(97) alu::Accumulate<2>(a, f, a); NEXT(1);                                                  // SUB A
    OPCODE(98) alu::Accumulate<3>(a, f, (bc >> 8)); NEXT(1);                                          // SBB B
    OPCODE(99) alu::Accumulate<3>(a, f, (bc & 255)); NEXT(1);                                         // SBB C
    OPCODE(9A) alu::Accumulate<3>(a, f, (de >> 8)); NEXT(1);                                          // SBB D
    OPCODE(9B) alu::Accumulate<3>(a, f, (de & 255)); NEXT(1);                                         // SBB E
    OPCODE(9C) alu::Accumulate<3>(a, f, (hl >> 8)); NEXT(1);                                          // SBB H
    OPCODE(9D) alu::Accumulate<3>(a, f, (hl & 255)); NEXT(1);                                         // SBB L
    OPCODE(9E) alu::Accumulate<3>(a, f, MEMORY(hl)); NEXT(1);                                         // SBB M
    OPCODE(9F) alu::Accumulate<3>(a, f, a); NEXT(1);                                                  // SBB A
    OPCODE(A0) alu::Accumulate<4>(a, f, (bc >> 8)); NEXT(1);                                          // ANA B
    OPCODE(A1) alu::Accumulate<4>(a, f, (bc & 255)); NEXT(1);                                         // ANA C
    OPCODE(A2) alu::Accumulate<4>(a, f, (de >> 8)); NEXT(1);                                          // ANA D
    OPCODE(A3) alu::Accumulate<4>(a, f, (de & 255)); NEXT(1);                                         // ANA E
    OPCODE(A4) alu::Accumulate<4>(a, f, (hl >> 8)); NEXT(1);                                          // ANA H
    OPCODE(A5) alu::Accumulate<4>(a, f, (hl & 255)); NEXT(1);                                         // ANA L
    OPCODE(A6) alu::Accumulate<4>(a, f, MEMORY(hl)); NEXT(1);                                         // ANA M
    OPCODE(A7) alu::Accumulate<4>(a, f, a); NEXT(1);                                                  // ANA A
    OPCODE(A8) alu::Accumulate<5>(a, f, (bc >> 8)); NEXT(1);                                          // XRA B
    OPCODE(A9) alu::Accumulate<5>(a, f, (bc & 255)); NEXT(1);                                         // XRA C
    OPCODE(AA) alu::Accumulate<5>(a, f, (de >> 8)); NEXT(1);                                          // XRA D
    OPCODE(AB) alu::Accumulate<5>(a, f, (de & 255)); NEXT(1);                                         // XRA E
    OPCODE(AC) alu::Accumulate<5>(a, f, (hl >> 8)); NEXT(1);                                          // XRA H
    OPCODE(AD) alu::Accumulate<5>(a, f, (hl & 255)); NEXT(1);                                         // XRA L
    OPCODE(AE) alu::Accumulate<5>(a, f, MEMORY(hl)); NEXT(1);                                         // XRA M
    OPCODE(AF) alu::Accumulate<5>(a, f, a); NEXT(1);                                                  // XRA A
    OPCODE(B0) alu::Accumulate<6>(a, f, (bc >> 8)); NEXT(1);                                          // ORA B
    OPCODE(B1) alu::Accumulate<6>(a, f, (bc & 255)); NEXT(1);                                         // ORA C
    OPCODE(B2) alu::Accumulate<6>(a, f, (de >> 8)); NEXT(1);                                          // ORA D
    OPCODE(B3) alu::Accumulate<6>(a, f, (de & 255)); NEXT(1);                                         // ORA E
    OPCODE(B4) alu::Accumulate<6>(a, f, (hl >> 8)); NEXT(1);                                          // ORA H
    OPCODE(B5) alu::Accumulate<6>(a, f, (hl & 255)); NEXT(1);                                         // ORA L
    OPCODE(B6) alu::Accumulate<6>(a, f, MEMORY(hl)); NEXT(1);                                         // ORA M
    OPCODE(B7) alu::Accumulate<6>(a, f, a); NEXT(1);                                                  // ORA A
    OPCODE(B8) alu::Accumulate<7>(a, f, (bc >> 8)); NEXT(1);                                          // CMP B
    OPCODE(B9) alu::Accumulate<7>(a, f, (bc & 255)); NEXT(1);                                         // CMP C
    OPCODE(BA) alu::Accumulate<7>(a, f, (de >> 8)); NEXT(1);                                          // CMP D
    OPCODE(BB) alu::Accumulate<7>(a, f, (de & 255)); NEXT(1);                                         // CMP E
    OPCODE(BC) alu::Accumulate<7>(a, f, (hl >> 8)); NEXT(1);                                          // CMP H
    OPCODE(BD) alu::Accumulate<7>(a, f, (hl & 255)); NEXT(1);                                         // CMP L
    OPCODE(BE) alu::Accumulate<7>(a, f, MEMORY(hl)); NEXT(1);                                         // CMP M
    OPCODE(BF) alu::Accumulate<7>(a, f, a); NEXT(1);                                                  // CMP A
    OPCODE(C0) if (alu::ConditionMet(f, 0)) { t += kReturnTakenExtra; RETURN(); } NEXT(1);            // RNZ
    OPCODE(C1) POP_INTO(bc); NEXT(1);                                                            // POP B
    OPCODE(C2) if (alu::ConditionMet(f, 0)) { t += kJumpTakenExtra; JUMP(IMM16); } NEXT(3);           // JNZ
    OPCODE(C3) JUMP(IMM16);                                                                           // JMP
    OPCODE(C4) if (alu::ConditionMet(f, 0)) { t += kCallTakenExtra; CALL(); } NEXT(3);                // CNZ
    OPCODE(C5) PUSH(bc >> 8, bc & 255); NEXT(1);                                                      // PUSH B
    OPCODE(C6) alu::Accumulate<0>(a, f, IMM8); NEXT(2);                                               // ADI
    OPCODE(C7) WARN("RST", 0xC7); NEXT(1);                                                            // RST 0
    OPCODE(C8) if (alu::ConditionMet(f, 1)) { t += kReturnTakenExtra; RETURN(); } NEXT(1);            // RZ
    OPCODE(C9) RETURN();                                                                              // RET
    OPCODE(CA) if (alu::ConditionMet(f, 1)) { t += kJumpTakenExtra; JUMP(IMM16); } NEXT(3);           // JZ
    OPCODE(CB) NEXT(1);                                                                               // undefined
    OPCODE(CC) if (alu::ConditionMet(f, 1)) { t += kCallTakenExtra; CALL(); } NEXT(3);                // CZ
    OPCODE(CD) CALL();                                                                                // CALL
    OPCODE(CE) alu::Accumulate<1>(a, f, IMM8); NEXT(2);                                               // ACI
    OPCODE(CF) WARN("RST", 0xCF); NEXT(1);                                                            // RST 1
    OPCODE(D0) if (alu::ConditionMet(f, 2)) { t += kReturnTakenExtra; RETURN(); } NEXT(1);            // RNC
    OPCODE(D1) POP_INTO(de); NEXT(1);                                                            // POP D
    OPCODE(D2) if (alu::ConditionMet(f, 2)) { t += kJumpTakenExtra; JUMP(IMM16); } NEXT(3);           // JNC
    OPCODE(D3) WARN("OUT", 0xD3); NEXT(2);                                                            // OUT
    OPCODE(D4) if (alu::ConditionMet(f, 2)) { t += kCallTakenExtra; CALL(); } NEXT(3);                // CNC
    OPCODE(D5) PUSH(de >> 8, de & 255); NEXT(1);                                                      // PUSH D
    OPCODE(D6) alu::Accumulate<2>(a, f, IMM8); NEXT(2);                                               // SUI
    OPCODE(D7) WARN("RST", 0xD7); NEXT(1);                                                            // RST 2
    OPCODE(D8) if (alu::ConditionMet(f, 3)) { t += kReturnTakenExtra; RETURN(); } NEXT(1);            // RC
    OPCODE(D9) NEXT(1);                                                                               // undefined
    OPCODE(DA) if (alu::ConditionMet(f, 3)) { t += kJumpTakenExtra; JUMP(IMM16); } NEXT(3);           // JC
    OPCODE(DB) WARN("IN", 0xDB); NEXT(2);                                                             // IN
    OPCODE(DC) if (alu::ConditionMet(f, 3)) { t += kCallTakenExtra; CALL(); } NEXT(3);                // CC
    OPCODE(DD) NEXT(1);                                                                               // undefined
    OPCODE(DE) alu::Accumulate<3>(a, f, IMM8); NEXT(2);                                               // SBI
    OPCODE(DF) WARN("RST", 0xDF); NEXT(1);                                                            // RST 3
    OPCODE(E0) if (alu::ConditionMet(f, 4)) { t += kReturnTakenExtra; RETURN(); } NEXT(1);            // RPO
    OPCODE(E1) POP_INTO(hl); NEXT(1);                                                            // POP H
    OPCODE(E2) if (alu::ConditionMet(f, 4)) { t += kJumpTakenExtra; JUMP(IMM16); } NEXT(3);           // JPO
    OPCODE(E3) EXCHANGE_TOP_WITH_HL(); NEXT(1);                                                       // XTHL
    OPCODE(E4) if (alu::ConditionMet(f, 4)) { t += kCallTakenExtra; CALL(); } NEXT(3);                // CPO
    OPCODE(E5) PUSH(hl >> 8, hl & 255); NEXT(1);                                                      // PUSH H
    OPCODE(E6) alu::Accumulate<4>(a, f, IMM8); NEXT(2);                                               // ANI
    OPCODE(E7) WARN("RST", 0xE7); NEXT(1);                                                            // RST 4
    OPCODE(E8) if (alu::ConditionMet(f, 5)) { t += kReturnTakenExtra; RETURN(); } NEXT(1);            // RPE
    OPCODE(E9) JUMP(hl);                                                                              // PCHL
    OPCODE(EA) if (alu::ConditionMet(f, 5)) { t += kJumpTakenExtra; JUMP(IMM16); } NEXT(3);           // JPE
    OPCODE(EB) std::swap(de, hl); NEXT(1);                                                            // XCHG
    OPCODE(EC) if (alu::ConditionMet(f, 5)) { t += kCallTakenExtra; CALL(); } NEXT(3);                // CPE
    OPCODE(ED) NEXT(1);                                                                               // undefined
    OPCODE(EE) alu::Accumulate<5>(a, f, IMM8); NEXT(2);                                               // XRI
    OPCODE(EF) WARN("RST", 0xEF); NEXT(1);                                                            // RST 5
    OPCODE(F0) if (alu::ConditionMet(f, 6)) { t += kReturnTakenExtra; RETURN(); } NEXT(1);            // RP
    OPCODE(F1) f = MEMORY(sp); a = MEMORY((sp + 1) & 0xFFFF); sp = (sp + 2) & 0xFFFF; NEXT(1);        // POP PSW
    OPCODE(F2) if (alu::ConditionMet(f, 6)) { t += kJumpTakenExtra; JUMP(IMM16); } NEXT(3);           // JP
    OPCODE(F3) WARN("DI", 0xF3); NEXT(1);                                                             // DI
    OPCODE(F4) if (alu::ConditionMet(f, 6)) { t += kCallTakenExtra; CALL(); } NEXT(3);                // CP
    OPCODE(F5) PUSH(a, f); NEXT(1);                                                                   // PUSH PSW
    OPCODE(F6) alu::Accumulate<6>(a, f, IMM8); NEXT(2);                                               // ORI
    OPCODE(F7) WARN("RST", 0xF7); NEXT(1);                                                            // RST 6
    OPCODE(F8) if (alu::ConditionMet(f, 7)) { t += kReturnTakenExtra; RETURN(); } NEXT(1);            // RM
    OPCODE(F9) sp = hl; NEXT(1);                                                                      // SPHL
    OPCODE(FA) if (alu::ConditionMet(f, 7)) { t += kJumpTakenExtra; JUMP(IMM16); } NEXT(3);           // JM
    OPCODE(FB) WARN("EI", 0xFB); NEXT(1);                                                             // EI
    OPCODE(FC) if (alu::ConditionMet(f, 7)) { t += kCallTakenExtra; CALL(); } NEXT(3);                // CM
    OPCODE(FD) NEXT(1);                                                                               // undefined
    OPCODE(FE) alu::Accumulate<7>(a, f, IMM8); NEXT(2);                                               // CPI
    OPCODE(FF) WARN("RST", 0xFF); NEXT(1);                                                            // RST 7

#if !VANTRIC_THREADED_DISPATCH
    }
#endif

[[maybe_unused]] landed:
    if (pc > 0xFFFF) [[unlikely]] {
        pc &= 0xFFFF;
        if (ATTRIBUTE(pc) == 0) {
            if (--countdown == 0) goto boundary;
            DISPATCH();
        }
    }
    // PC is not simply the start of one line: no line, several lines, a breakpoint or the run target.
    SAVE_REGISTERS();
    if (!Landed()) return exitReason_;
    LOAD_REGISTERS();
    if (--countdown == 0) goto boundary;
    DISPATCH();

boundary:
    SAVE_REGISTERS();
    if (!ContinueAfterChunk()) return exitReason_;
    LOAD_REGISTERS();
    DISPATCH();

[[maybe_unused]] stepped:
    pc &= 0xFFFF;
    SAVE_REGISTERS();
    Stepped();
    return exitReason_;

#undef SAVE_REGISTERS
#undef LOAD_REGISTERS
#undef MEMORY
#undef ATTRIBUTE
#undef HANDLERS
#undef OPCODE
#undef DISPATCH
#undef JUMP
#undef NEXT
#undef IMM8
#undef IMM16
#undef ADD_HL
#undef STORE
#undef PUSH
#undef CALL
#undef POP_INTO
#undef RETURN
#undef EXCHANGE_TOP_WITH_HL
#undef WARN
#undef HALT
}
// clang-format on

#if VANTRIC_THREADED_DISPATCH
#pragma GCC diagnostic pop
#endif

template StopReason Machine::Execute<false>(const bool*);
template StopReason Machine::Execute<true>(const bool*);

}  // namespace vantric
