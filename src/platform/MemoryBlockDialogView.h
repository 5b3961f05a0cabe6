#pragma once

#include "platform/TextBox.h"

namespace vantric::platform {

// The fields of a memory block dialog, in their focus order.
enum class BlockField { Start, End, Target };

// A modal dialog over a block of memory, "Fill Memory" or "Copy memory block": the block's start and
// end address (four characters each), the target (the fill value, two characters, or the
// destination's start address, four), the action button (default) and Cancel. Created once;
// closing only hides it, so the fields keep their text.
class MemoryBlockDialogView {
public:
    virtual ~MemoryBlockDialogView() = default;
    // Returns when the dialog is hidden again.
    virtual void ShowModal() = 0;
    virtual void Hide() = 0;
    virtual TextBox& Field(BlockField field) = 0;
};

}  // namespace vantric::platform
