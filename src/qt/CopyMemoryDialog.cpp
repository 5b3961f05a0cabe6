#include "qt/CopyMemoryDialog.h"

#include <QLabel>

#include "memtools/CopyMemoryPresenter.h"
#include "qt/TwipsLayout.h"
#include "qt/ViewFonts.h"

namespace vantric::qt {

CopyMemoryDialog::CopyMemoryDialog(QWidget* parent)
    : QDialog(parent),
      start_(new DialogTextField(4, this)),
      end_(new DialogTextField(4, this)),
      destination_(new DialogTextField(4, this)),
      copy_(new QPushButton(QStringLiteral("&Copy"), this)),
      cancel_(new QPushButton(QStringLiteral("Cancel"), this)) {
    setObjectName(QStringLiteral("dlgCopyMem"));
    setWindowTitle(QStringLiteral("Copy memory block"));
    setFont(DialogFont());
    setFixedSize(TwipsToPixels(this, 3825), TwipsToPixels(this, 3300));

    auto heading = [this](const QString& text) {
        auto* label = new QLabel(text, this);
        label->setFont(ArialFont(8.25, true));
        return label;
    };
    PlaceInTwips(heading(QStringLiteral("Source")), 240, 180, 1815, 255);
    PlaceInTwips(new QLabel(QStringLiteral("Start address :"), this), 480, 600, 1335, 255);
    PlaceInTwips(new QLabel(QStringLiteral("End address :"), this), 480, 1080, 1335, 255);
    PlaceInTwips(heading(QStringLiteral("Destination")), 240, 1620, 1815, 255);
    PlaceInTwips(new QLabel(QStringLiteral("Start address :"), this), 480, 2040, 1335, 255);
    start_->setObjectName(QStringLiteral("txtStAdd"));
    PlaceInTwips(start_, 1920, 540, 615, 345);
    end_->setObjectName(QStringLiteral("txtEndAdd"));
    PlaceInTwips(end_, 1920, 1020, 615, 345);
    destination_->setObjectName(QStringLiteral("txtDest"));
    PlaceInTwips(destination_, 1920, 1980, 615, 345);
    copy_->setObjectName(QStringLiteral("btnCopy"));
    PlaceInTwips(copy_, 360, 2640, 1335, 375);
    cancel_->setObjectName(QStringLiteral("btnCancel"));
    PlaceInTwips(cancel_, 2040, 2640, 1335, 375);
    copy_->setDefault(true);

    setTabOrder(start_, end_);
    setTabOrder(end_, destination_);
    setTabOrder(destination_, copy_);
    setTabOrder(copy_, cancel_);

    connect(copy_, &QPushButton::clicked, this, [this] {
        if (presenter_) presenter_->btnCopy_Click();
    });
    connect(cancel_, &QPushButton::clicked, this, [this] {
        if (presenter_) presenter_->btnCancel_Click();
    });
}

void CopyMemoryDialog::Bind(CopyMemoryPresenter* presenter) {
    presenter_ = presenter;
    if (!presenter) {
        start_->onGotFocus = end_->onGotFocus = destination_->onGotFocus = nullptr;
        return;
    }
    start_->onGotFocus = [presenter] { presenter->txtStAdd_GotFocus(); };
    end_->onGotFocus = [presenter] { presenter->txtEndAdd_GotFocus(); };
    destination_->onGotFocus = [presenter] { presenter->txtDest_GotFocus(); };
}

// Escape and the close box act as Cancel.
void CopyMemoryDialog::reject() {
    if (presenter_)
        presenter_->btnCancel_Click();
    else
        QDialog::reject();
}

}  // namespace vantric::qt
