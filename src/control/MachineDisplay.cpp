#include "control/MachineDisplay.h"

#include "core/HexText.h"

namespace vantric {

std::string UnsupportedInstructionWarning(const char* name, std::uint8_t opcode) {
    return "Warning : Instruction " + std::string(name) + " (" + HexDigits(opcode) + "H) not supported.";
}

}  // namespace vantric
