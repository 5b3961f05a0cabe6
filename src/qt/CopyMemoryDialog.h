#pragma once
// The dialog "Copy memory block" (dlgCopyMem).
//
// Embedding: construct once at start-up with the main window as parent and keep it; pass it as the
// platform::CopyMemoryDialogView to CopyMemoryPresenter, then call Bind(&presenter). The fields'
// focus reaches OnStartFieldFocused, OnEndFieldFocused and OnDestinationFieldFocused; Copy (also Enter)
// reaches OnCopyClicked, Cancel (also Escape and the close box) OnCancelClicked. Bind(nullptr) cuts
// the dialog loose.

#include "platform/CopyMemoryDialogView.h"
#include "qt/MemoryBlockDialog.h"

namespace vantric {
class CopyMemoryPresenter;
}

namespace vantric::qt {

class CopyMemoryDialog : public MemoryBlockDialog, public platform::CopyMemoryDialogView {
    Q_OBJECT
public:
    explicit CopyMemoryDialog(QWidget* parent = nullptr);

    void Bind(CopyMemoryPresenter* presenter);

    void ShowModal() override { exec(); }
    void Hide() override { hide(); }
    platform::TextBox& StartBox() override { return *start_; }
    platform::TextBox& EndBox() override { return *end_; }
    platform::TextBox& DestinationBox() override { return *third_; }

    QtTextBox* DestinationEdit() const { return third_; }
    QPushButton* CopyButton() const { return action_; }
};

}  // namespace vantric::qt
