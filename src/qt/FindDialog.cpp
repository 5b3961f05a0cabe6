#include "qt/FindDialog.h"

#include <QLabel>

#include "editing/FindDialogPresenter.h"
#include "qt/Latin1.h"
#include "qt/TwipsLayout.h"
#include "qt/ViewFonts.h"

namespace vantric::qt {

FindDialog::FindDialog(QWidget* parent)
    : QDialog(parent),
      find_(new DialogTextField(0, this)),
      findButton_(new QPushButton(QStringLiteral("&Find next"), this)),
      replace_(new DialogTextField(0, this)),
      close_(new QPushButton(QStringLiteral("Close"), this)),
      replaceButton_(new QPushButton(QStringLiteral("&Replace"), this)),
      replaceAll_(new QPushButton(QStringLiteral("Replace &all"), this)) {
    setObjectName(QStringLiteral("findDialog"));
    setWindowTitle(QStringLiteral("Find"));
    setFont(DialogFont());
    setFixedSize(TwipsToPixels(this, 5535), TwipsToPixels(this, 1935));

    PlaceInTwips(new QLabel(QStringLiteral("Find what :"), this), 120, 180, 1335, 255);
    find_->setObjectName(QStringLiteral("findField"));
    PlaceInTwips(find_, 1440, 120, 2535, 345);
    findButton_->setObjectName(QStringLiteral("findNextButton"));
    PlaceInTwips(findButton_, 4200, 120, 1215, 375);
    PlaceInTwips(new QLabel(QStringLiteral("Replace with :"), this), 120, 600, 1335, 255);
    replace_->setObjectName(QStringLiteral("replaceField"));
    PlaceInTwips(replace_, 1440, 540, 2535, 345);
    close_->setObjectName(QStringLiteral("cancelButton"));
    PlaceInTwips(close_, 4200, 540, 1215, 375);
    replaceButton_->setObjectName(QStringLiteral("replaceButton"));
    PlaceInTwips(replaceButton_, 4200, 960, 1215, 375);
    replaceAll_->setObjectName(QStringLiteral("replaceAllButton"));
    PlaceInTwips(replaceAll_, 4200, 1380, 1215, 375);
    findButton_->setDefault(true);

    setTabOrder(find_, findButton_);
    setTabOrder(findButton_, replace_);
    setTabOrder(replace_, close_);
    setTabOrder(close_, replaceButton_);
    setTabOrder(replaceButton_, replaceAll_);

    using Presenter = FindDialogPresenter;
    connect(findButton_, &QPushButton::clicked, this, presenter_.To(&Presenter::OnFindNextClicked));
    connect(close_, &QPushButton::clicked, this, presenter_.To(&Presenter::OnCancelClicked));
    connect(replaceButton_, &QPushButton::clicked, this, presenter_.To(&Presenter::OnReplaceClicked));
    connect(replaceAll_, &QPushButton::clicked, this, presenter_.To(&Presenter::OnReplaceAllClicked));
    find_->onGotFocus = presenter_.To(&Presenter::OnFindFieldFocused);
    replace_->onGotFocus = presenter_.To(&Presenter::OnReplaceFieldFocused);
}

std::string FindDialog::Caption() const { return ToLatin1(windowTitle()); }

void FindDialog::SetCaption(const std::string& caption) { setWindowTitle(Latin1(caption)); }

void FindDialog::SetReplaceEnabled(bool enabled) {
    for (QWidget* control : std::initializer_list<QWidget*>{replace_, replaceButton_, replaceAll_})
        control->setEnabled(enabled);
    QPalette colours = replace_->palette();
    const QColor background = enabled ? find_->palette().color(QPalette::Base)
                                      : palette().color(QPalette::Inactive, QPalette::Window).darker(110);
    colours.setColor(QPalette::Base, background);
    replace_->setPalette(colours);
}

// Escape and the close box act as Close.
void FindDialog::reject() {
    if (presenter_.IsBound())
        presenter_(&FindDialogPresenter::OnCancelClicked);
    else
        QDialog::reject();
}

void FindDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    presenter_(&FindDialogPresenter::OnShown);
}

}  // namespace vantric::qt
