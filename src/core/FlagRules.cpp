#include "core/FlagRules.h"

namespace vantric {

void DecimalAdjust(ProcessorState& cpu) {
    int a = cpu.Register(RegA);
    if ((a & 15) > 9 || TestFlag(cpu, FlagAC)) a += 6;
    if (a > 255) {
        SetFlag(cpu, FlagCY, 1);
        a &= 255;
    }
    const int low = a & 15;
    int high = a >> 4;
    if (high > 9 || TestFlag(cpu, FlagCY)) high += 6;
    a = high * 16 + low;
    if (a > 255) {
        SetFlag(cpu, FlagCY, 1);
        a &= 255;
    }
    cpu.Register(RegA) = static_cast<std::uint8_t>(a);
    UpdateSignZeroParity(cpu, RegA);
}

}  // namespace vantric
