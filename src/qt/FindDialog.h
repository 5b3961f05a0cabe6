#pragma once
// The dialog "Find" / "Replace", laid out in twips scaled to the screen.
//
// Embedding: construct once with the main window as parent and keep it; pass it as the
// platform::FindDialogView to FindDialogPresenter, then call Bind(&presenter). Each showing reaches
// OnShown; the fields' focus reaches OnFindFieldFocused / OnReplaceFieldFocused; the buttons
// OnFindNextClicked, OnReplaceClicked, OnReplaceAllClicked and OnCancelClicked (also Escape and the
// close box). Bind(nullptr) cuts the dialog loose.

#include <QDialog>
#include <QPushButton>

#include "platform/FindDialogView.h"
#include "qt/DialogTextField.h"
#include "qt/PresenterLink.h"

namespace vantric {
class FindDialogPresenter;
}

namespace vantric::qt {

class FindDialog : public QDialog, public platform::FindDialogView {
    Q_OBJECT
public:
    explicit FindDialog(QWidget* parent = nullptr);

    void Bind(FindDialogPresenter* presenter) { presenter_.Bind(presenter); }

    void ShowModal() override { exec(); }
    void Hide() override { hide(); }
    std::string Caption() const override;
    void SetCaption(const std::string& caption) override;
    platform::TextBox& FindBox() override { return *find_; }
    platform::TextBox& ReplaceBox() override { return *replace_; }
    void SetReplaceEnabled(bool enabled) override;
    void FocusFindButton() override { findButton_->setFocus(Qt::OtherFocusReason); }

    QtTextBox* FindEdit() const { return find_; }
    QtTextBox* ReplaceEdit() const { return replace_; }
    QPushButton* FindButton() const { return findButton_; }
    QPushButton* CloseButton() const { return close_; }
    QPushButton* ReplaceButton() const { return replaceButton_; }
    QPushButton* ReplaceAllButton() const { return replaceAll_; }

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    DialogTextField* find_;
    QPushButton* findButton_;
    DialogTextField* replace_;
    QPushButton* close_;
    QPushButton* replaceButton_;
    QPushButton* replaceAll_;
    PresenterLink<FindDialogPresenter> presenter_;
};

}  // namespace vantric::qt
