#pragma once
// A memory block dialog, "Fill Memory" or "Copy memory block": three fields, the action button (the
// default) and Cancel, in that focus order; Escape and the close box act as Cancel. The two dialogs
// differ only in their layout and names.
//
// Embedding: construct once at start-up with the main window as parent and keep it; pass it as the
// platform::MemoryBlockDialogView to a MemoryBlockPresenter, then call Bind(&presenter): the fields'
// focus, the action button (also Enter) and Cancel then reach the presenter. Bind(nullptr) cuts the
// dialog loose.

#include <QDialog>
#include <QPushButton>

#include "platform/MemoryBlockDialogView.h"
#include "qt/DialogTextField.h"
#include "qt/PresenterLink.h"

namespace vantric {
class MemoryBlockPresenter;
}

namespace vantric::qt {

class MemoryBlockDialog : public QDialog, public platform::MemoryBlockDialogView {
    Q_OBJECT
public:
    void Bind(MemoryBlockPresenter* presenter) { presenter_.Bind(presenter); }

    void ShowModal() override { exec(); }
    void Hide() override { hide(); }
    platform::TextBox& Field(platform::BlockField field) override { return *Edit(field); }

    QtTextBox* Edit(platform::BlockField field) const;
    QPushButton* ActionButton() const { return action_; }
    QPushButton* CancelButton() const { return cancel_; }

public slots:
    void reject() override;

protected:
    MemoryBlockDialog(QWidget* parent, int targetMaxLength, const QString& actionCaption);

    DialogTextField* start_;
    DialogTextField* end_;
    DialogTextField* target_;
    QPushButton* action_;
    QPushButton* cancel_;

private:
    PresenterLink<MemoryBlockPresenter> presenter_;
};

// "Fill Memory": the target is the fill value.
class FillMemoryDialog : public MemoryBlockDialog {
    Q_OBJECT
public:
    explicit FillMemoryDialog(QWidget* parent = nullptr);
};

// "Copy memory block": the target is the destination's start address.
class CopyMemoryDialog : public MemoryBlockDialog {
    Q_OBJECT
public:
    explicit CopyMemoryDialog(QWidget* parent = nullptr);
};

}  // namespace vantric::qt
