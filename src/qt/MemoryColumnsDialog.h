#pragma once
// The dialog "Memory dump columns", laid out in twips scaled to the screen.
//
// Embedding: construct once at start-up with the main window as parent (Qt centres it over the
// main window) and keep it; pass it as the platform::MemoryColumnsDialogView to
// MemoryColumnsDialogPresenter, then call Bind(&presenter). Each showing reaches OnShown; the
// boxes' focus changes reach OnRowsFieldFocused / _LostFocus and OnAddressFieldFocused / _LostFocus;
// the buttons OnAddColumnClicked, OnDeleteColumnClicked, OnOkClicked and OnCancelClicked (also Escape and
// the close box). The "Memory columns" command calls the presenter's ShowDialog. Bind(nullptr) cuts
// the dialog loose.

#include <QDialog>
#include <QListWidget>
#include <QPushButton>

#include "platform/MemoryColumnsDialogView.h"
#include "qt/PresenterLink.h"
#include "qt/QtTextBox.h"

namespace vantric {
class MemoryColumnsDialogPresenter;
}

namespace vantric::qt {

// A single-selection list kept in text order; removing an entry leaves nothing selected.
class QtSortedListBox : public QListWidget, public platform::SortedListBox {
    Q_OBJECT
public:
    explicit QtSortedListBox(QWidget* parent = nullptr);
    void Clear() override { clear(); }
    void AddItem(const std::string& text) override;
    int ListCount() const override { return count(); }
    std::string List(int index) const override;
    void RemoveItem(int index) override;
    int ListIndex() const override;
    void SetListIndex(int index) override { setCurrentRow(index); }
};

class MemoryColumnsDialog : public QDialog, public platform::MemoryColumnsDialogView {
    Q_OBJECT
public:
    explicit MemoryColumnsDialog(QWidget* parent = nullptr);

    void Bind(MemoryColumnsDialogPresenter* presenter) { presenter_.Bind(presenter); }

    void ShowModal() override { exec(); }
    void Hide() override { hide(); }
    platform::TextBox& RowsBox() override { return *rows_; }
    platform::TextBox& AddressBox() override { return *address_; }
    platform::SortedListBox& ColumnList() override { return *list_; }
    void SetAddIsDefault(bool addIsDefault) override;

    QtTextBox* RowsEdit() const { return rows_; }
    QtTextBox* AddressEdit() const { return address_; }
    QtSortedListBox* List() const { return list_; }
    QPushButton* AddButton() const { return add_; }
    QPushButton* RemoveButton() const { return remove_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QtTextBox* rows_;
    QtTextBox* address_;
    QtSortedListBox* list_;
    QPushButton* add_;
    QPushButton* remove_;
    QPushButton* ok_;
    QPushButton* cancel_;
    PresenterLink<MemoryColumnsDialogPresenter> presenter_;
};

}  // namespace vantric::qt
