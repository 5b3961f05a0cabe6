#pragma once

#include "platform/TextBox.h"

namespace vantric::platform {

// The boxes of the register panel, in the panel's tab order.
enum class RegisterField { A, Flags, B, C, D, E, H, L, StackPointer, ProgramCounter };
inline constexpr int kRegisterFieldCount = 10;

// The register panel "CPU Registers": one box per field and the eight flag cells, one per bit of
// the flag byte.
class RegisterPanelView {
public:
    virtual ~RegisterPanelView() = default;
    virtual TextBox& Field(RegisterField field) = 0;
    virtual Label& FlagCell(int bit) = 0;
};

}  // namespace vantric::platform
