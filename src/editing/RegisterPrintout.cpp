#include "editing/RegisterPrintout.h"

#include "core/HexText.h"

namespace vantric {

namespace {
char Bit(int flags, int mask) { return (flags & mask) ? '1' : '0'; }

std::string PairLine(const ProcessorState& cpu, const char* name, int high, int low, const char* lowName) {
    return std::string(" ") + name + ": " + HexText(cpu.Register(high), 2) + " " + HexText(cpu.Register(low), 2) +
           " :" + lowName;
}
}  // namespace

std::vector<std::string> RegisterLines(const ProcessorState& cpu) {
    const int f = cpu.Flags;
    std::string flags = " A: " + HexText(cpu.Register(RegA), 2) + " " + HexText(f, 2) + " :Flags (S=";
    flags += Bit(f, FlagS);
    flags += " Z=";
    flags += Bit(f, FlagZ);
    flags += " AC=";
    flags += Bit(f, FlagAC);
    flags += " P=";
    flags += Bit(f, FlagP);
    flags += " CY=";
    flags += Bit(f, FlagCY);
    flags += ")";
    return {flags,
            PairLine(cpu, "B", RegB, RegC, "C"),
            PairLine(cpu, "D", RegD, RegE, "E"),
            PairLine(cpu, "H", RegH, RegL, "L"),
            "SP: " + HexText(cpu.StackPointer, 4),
            "PC: " + HexText(cpu.ProgramCounter, 4)};
}

}  // namespace vantric
