#pragma once
// What the engine tells the world outside it: the only way it reaches a window.

#include <cstdint>

namespace vantric {

class MachineObserver {
public:
    virtual ~MachineObserver() = default;
    // A watched address was stored to since the last report; `value` is what it holds now.
    virtual void WatchedMemoryChanged(std::uint16_t address, std::uint8_t value) = 0;
    // The registers, flags or PC may have changed while they are being watched.
    virtual void RegistersChanged() = 0;
    // An instruction the engine does not simulate ran for the first time since the warnings were
    // last cleared.
    virtual void UnsupportedInstruction(const char* name, std::uint8_t opcode) = 0;
    // The source line of PC, to be selected: its start and length in the editor's text.
    virtual void SelectLine(std::int32_t start, std::int32_t length) = 0;
};

}  // namespace vantric
