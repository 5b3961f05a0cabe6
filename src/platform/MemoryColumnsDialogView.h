#pragma once

#include "platform/SortedListBox.h"
#include "platform/TextBox.h"

namespace vantric::platform {

// The modal dialog "Memory dump columns": the row count, the sorted list of column start
// addresses, the address to add, and the Add, Remove, OK and Cancel buttons.
class MemoryColumnsDialogView {
public:
    virtual ~MemoryColumnsDialogView() = default;
    // Shows the dialog modally; each showing activates it once. Returns when it is hidden again.
    virtual void ShowModal() = 0;
    virtual void Hide() = 0;
    virtual TextBox& RowsBox() = 0;           // number of rows
    virtual TextBox& AddressBox() = 0;        // address of a column to add
    virtual SortedListBox& ColumnList() = 0;  // the chosen column addresses
    // Enter presses Add when true, OK when false.
    virtual void SetAddIsDefault(bool addIsDefault) = 0;
};

}  // namespace vantric::platform
