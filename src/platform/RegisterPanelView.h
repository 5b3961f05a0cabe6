#pragma once

#include "platform/TextBox.h"

namespace vantric::platform {

// The register panel "CPU Registers": register boxes 0 to 10 (0 the flag byte, 1 to 8 the register
// cells B, C, D, E, H, L, -, A, 9 SP, 10 PC; box 7 is never shown) and the eight flag cells, one
// per bit of the flag byte.
class RegisterPanelView {
public:
    virtual ~RegisterPanelView() = default;
    virtual TextBox& RegisterBox(int index) = 0;
    virtual Label& FlagCell(int bit) = 0;
};

}  // namespace vantric::platform
