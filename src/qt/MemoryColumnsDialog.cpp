#include "qt/MemoryColumnsDialog.h"

#include <QFrame>
#include <QLabel>

#include "qt/Latin1.h"
#include "qt/TwipsLayout.h"
#include "qt/ViewFonts.h"
#include "views/MemoryColumnsDialogPresenter.h"

namespace vantric::qt {

QtSortedListBox::QtSortedListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(true);
}

void QtSortedListBox::AddItem(const std::string& text) { addItem(Latin1(text)); }

std::string QtSortedListBox::List(int index) const {
    const QListWidgetItem* entry = item(index);
    return entry ? ToLatin1(entry->text()) : std::string();
}

void QtSortedListBox::RemoveItem(int index) {
    delete takeItem(index);
    setCurrentRow(-1);
    clearSelection();
}

int QtSortedListBox::ListIndex() const {
    const QListWidgetItem* current = currentItem();
    return current && current->isSelected() ? row(current) : -1;
}

MemoryColumnsDialog::MemoryColumnsDialog(QWidget* parent)
    : QDialog(parent),
      rows_(new QtTextBox(this)),
      address_(new QtTextBox(this)),
      list_(new QtSortedListBox(this)),
      add_(new QPushButton(QStringLiteral("<-- &Add "), this)),
      remove_(new QPushButton(QStringLiteral("&Remove"), this)),
      ok_(new QPushButton(QStringLiteral("&OK"), this)),
      cancel_(new QPushButton(QStringLiteral("Cancel"), this)) {
    setObjectName(QStringLiteral("memoryColumnsDialog"));
    setWindowTitle(QStringLiteral("Memory dump columns"));
    setFont(DialogFont());
    setFixedSize(TwipsToPixels(this, 3945), TwipsToPixels(this, 3675));

    auto* rowsLabel = new QLabel(QStringLiteral("Rows in each column :"), this);
    PlaceInTwips(rowsLabel, 240, 240, 1815, 255);
    rows_->setObjectName(QStringLiteral("rowsField"));
    rows_->SetMaxLength(3);
    PlaceInTwips(rows_, 2280, 120, 1455, 405);
    for (int top : {705, 720}) {
        auto* line = new QFrame(this);
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        PlaceInTwips(line, 180, top, 3780 - 180, 15);
    }
    auto* listLabel = new QLabel(QStringLiteral("Column addresses (hex)"), this);
    PlaceInTwips(listLabel, 240, 960, 2055, 255);
    list_->setObjectName(QStringLiteral("columnList"));
    PlaceInTwips(list_, 240, 1320, 1455, 1620);
    add_->setObjectName(QStringLiteral("addColumnButton"));
    PlaceInTwips(add_, 1920, 1320, 975, 375);
    address_->setObjectName(QStringLiteral("addressField"));
    address_->SetMaxLength(4);
    PlaceInTwips(address_, 2880, 1320, 855, 405);
    remove_->setObjectName(QStringLiteral("deleteColumnButton"));
    PlaceInTwips(remove_, 1920, 1800, 975, 375);
    ok_->setObjectName(QStringLiteral("okButton"));
    PlaceInTwips(ok_, 240, 3120, 1815, 375);
    cancel_->setObjectName(QStringLiteral("cancelButton"));
    PlaceInTwips(cancel_, 2160, 3120, 1575, 375);
    ok_->setDefault(true);

    setTabOrder(rows_, address_);
    setTabOrder(address_, add_);
    setTabOrder(add_, remove_);
    setTabOrder(remove_, list_);
    setTabOrder(list_, ok_);
    setTabOrder(ok_, cancel_);

    using Presenter = MemoryColumnsDialogPresenter;
    connect(add_, &QPushButton::clicked, this, presenter_.To(&Presenter::OnAddColumnClicked));
    connect(remove_, &QPushButton::clicked, this, presenter_.To(&Presenter::OnDeleteColumnClicked));
    connect(ok_, &QPushButton::clicked, this, presenter_.To(&Presenter::OnOkClicked));
    connect(cancel_, &QPushButton::clicked, this, presenter_.To(&Presenter::OnCancelClicked));
    rows_->onGotFocus = presenter_.To(&Presenter::OnRowsFieldFocused);
    rows_->onLostFocus = presenter_.To(&Presenter::OnRowsFieldLeft);
    address_->onGotFocus = presenter_.To(&Presenter::OnAddressFieldFocused);
    address_->onLostFocus = presenter_.To(&Presenter::OnAddressFieldLeft);
}

void MemoryColumnsDialog::SetAddIsDefault(bool addIsDefault) {
    add_->setDefault(addIsDefault);
    ok_->setDefault(!addIsDefault);
}

// Escape and the close box act as Cancel.
void MemoryColumnsDialog::reject() {
    if (presenter_.IsBound())
        presenter_(&MemoryColumnsDialogPresenter::OnCancelClicked);
    else
        QDialog::reject();
}

void MemoryColumnsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    presenter_(&MemoryColumnsDialogPresenter::OnShown);
}

}  // namespace vantric::qt
