#pragma once
// The dialog "Fill Memory" (dlgFillMem).
//
// Embedding: construct once at start-up with the main window as parent and keep it; pass it as the
// platform::FillMemoryDialogView to FillMemoryPresenter, then call Bind(&presenter). The fields'
// focus reaches OnStartFieldFocused, OnEndFieldFocused and OnDataFieldFocused; Fill (also Enter)
// reaches OnFillClicked, Cancel (also Escape and the close box) OnCancelClicked. Bind(nullptr) cuts
// the dialog loose.

#include "platform/FillMemoryDialogView.h"
#include "qt/MemoryBlockDialog.h"

namespace vantric {
class FillMemoryPresenter;
}

namespace vantric::qt {

class FillMemoryDialog : public MemoryBlockDialog, public platform::FillMemoryDialogView {
    Q_OBJECT
public:
    explicit FillMemoryDialog(QWidget* parent = nullptr);

    void Bind(FillMemoryPresenter* presenter);

    void ShowModal() override { exec(); }
    void Hide() override { hide(); }
    platform::TextBox& StartBox() override { return *start_; }
    platform::TextBox& EndBox() override { return *end_; }
    platform::TextBox& DataBox() override { return *third_; }

    QtTextBox* DataEdit() const { return third_; }
    QPushButton* FillButton() const { return action_; }
};

}  // namespace vantric::qt
