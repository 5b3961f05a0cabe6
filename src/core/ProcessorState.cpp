#include "core/ProcessorState.h"

namespace vantric {

void ProcessorState::ApplyResetValues() {
    Flags = 0;
    StackPointer = kResetStackPointer;
    ProgramCounter = DefaultOrigin;
    Registers.fill(0);
    Memory.fill(0);
}

}  // namespace vantric
