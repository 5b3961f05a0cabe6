#pragma once
// The dialog "Memory dump columns": the row count and the start addresses of the memory columns.
// Invalid input is answered with the beep alone.

#include "core/MemoryDumpSettings.h"
#include "platform/EventPump.h"
#include "platform/MemoryColumnsDialogView.h"
#include "platform/MessageBox.h"
#include "views/MemoryGridPresenter.h"

namespace vantric {

class MemoryColumnsDialogPresenter {
public:
    MemoryColumnsDialogPresenter(MemoryDumpSettings& dump, platform::MemoryColumnsDialogView& dialog,
                                 platform::MessageBox& messages, platform::EventPump& pump, MemoryGridPresenter& grid);

    // Shows the dialog modally (the "Memory columns" command).
    void ShowDialog();

    void OnShown();
    void OnRowsFieldFocused();
    void OnRowsFieldLeft();
    void OnAddressFieldFocused();
    void OnAddressFieldLeft();
    void OnAddColumnClicked();
    void OnDeleteColumnClicked();
    void OnOkClicked();
    void OnCancelClicked();

private:
    MemoryDumpSettings& dump_;
    platform::MemoryColumnsDialogView& dialog_;
    platform::MessageBox& messages_;
    platform::EventPump& pump_;
    MemoryGridPresenter& grid_;
};

}  // namespace vantric
