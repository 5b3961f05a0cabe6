#pragma once
#include <string>
#include <vector>

#include "core/ProcessorState.h"

namespace vantric {

// The six register lines of the registers-and-memory print-out:
// " A: 3E 54 :Flags (S=0 Z=1 AC=1 P=1 CY=0)", " B: .. .. :C", " D: .. .. :E", " H: .. .. :L",
// "SP: FFF0", "PC: 1000".
std::vector<std::string> RegisterLines(const ProcessorState& cpu);

}  // namespace vantric
