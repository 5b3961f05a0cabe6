#include "qt/FillMemoryDialog.h"

#include <QLabel>

#include "memtools/FillMemoryPresenter.h"
#include "qt/TwipsLayout.h"
#include "qt/ViewFonts.h"

namespace vantric::qt {

FillMemoryDialog::FillMemoryDialog(QWidget* parent)
    : QDialog(parent),
      start_(new DialogTextField(4, this)),
      end_(new DialogTextField(4, this)),
      data_(new DialogTextField(2, this)),
      fill_(new QPushButton(QStringLiteral("&Fill"), this)),
      cancel_(new QPushButton(QStringLiteral("Cancel"), this)) {
    setObjectName(QStringLiteral("dlgFillMem"));
    setWindowTitle(QStringLiteral("Fill Memory"));
    setFont(DialogFont());
    setFixedSize(TwipsToPixels(this, 4695), TwipsToPixels(this, 2460));

    PlaceInTwips(new QLabel(QStringLiteral("Start address :"), this), 240, 300, 1335, 255);
    PlaceInTwips(new QLabel(QStringLiteral("End address :"), this), 240, 780, 1335, 255);
    PlaceInTwips(new QLabel(QStringLiteral("Fill with data :"), this), 240, 1260, 1335, 255);
    PlaceInTwips(new QLabel(QStringLiteral("(Leave blank to fill with 0's)"), this), 2400, 1260, 2175, 255);
    start_->setObjectName(QStringLiteral("txtStAdd"));
    PlaceInTwips(start_, 1680, 240, 615, 345);
    end_->setObjectName(QStringLiteral("txtEndAdd"));
    PlaceInTwips(end_, 1680, 720, 615, 345);
    data_->setObjectName(QStringLiteral("txtFillData"));
    PlaceInTwips(data_, 1680, 1200, 615, 345);
    fill_->setObjectName(QStringLiteral("btnFill"));
    PlaceInTwips(fill_, 840, 1800, 1335, 375);
    cancel_->setObjectName(QStringLiteral("btnCancel"));
    PlaceInTwips(cancel_, 2520, 1800, 1335, 375);
    fill_->setDefault(true);

    setTabOrder(start_, end_);
    setTabOrder(end_, data_);
    setTabOrder(data_, fill_);
    setTabOrder(fill_, cancel_);

    connect(fill_, &QPushButton::clicked, this, [this] {
        if (presenter_) presenter_->btnFill_Click();
    });
    connect(cancel_, &QPushButton::clicked, this, [this] {
        if (presenter_) presenter_->btnCancel_Click();
    });
}

void FillMemoryDialog::Bind(FillMemoryPresenter* presenter) {
    presenter_ = presenter;
    if (!presenter) {
        start_->onGotFocus = end_->onGotFocus = data_->onGotFocus = nullptr;
        return;
    }
    start_->onGotFocus = [presenter] { presenter->txtStAdd_GotFocus(); };
    end_->onGotFocus = [presenter] { presenter->txtEndAdd_GotFocus(); };
    data_->onGotFocus = [presenter] { presenter->txtFillData_GotFocus(); };
}

// Escape and the close box act as Cancel.
void FillMemoryDialog::reject() {
    if (presenter_)
        presenter_->btnCancel_Click();
    else
        QDialog::reject();
}

}  // namespace vantric::qt
