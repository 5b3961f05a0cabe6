#pragma once
#include <cstdint>

namespace vantric {

// The main window's views of the machine state, as execution and reset bring them up to date.
class MachineViews {
public:
    virtual ~MachineViews() = default;
    // Registers, flag bits and, unless keepStatusText, the T-state text in status panel 2.
    virtual void RefreshRegisterPanel(bool keepStatusText) = 0;
    // Brings the whole memory grid up to date (rebuilding it first when the dump settings changed).
    virtual void RefreshMemoryGrid() = 0;
    // Shows `value` in every grid cell of `address`.
    virtual void ShowMemoryByte(std::uint16_t address, std::uint8_t value) = 0;
};

}  // namespace vantric
