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
    auto place = [this](QWidget* widget, int left, int top, int width, int height) {
        widget->setGeometry(TwipsToPixels(this, left), TwipsToPixels(this, top), TwipsToPixels(this, width),
                            TwipsToPixels(this, height));
    };
    setFixedSize(TwipsToPixels(this, 4695), TwipsToPixels(this, 2460));

    place(new QLabel(QStringLiteral("Start address :"), this), 240, 300, 1335, 255);
    place(new QLabel(QStringLiteral("End address :"), this), 240, 780, 1335, 255);
    place(new QLabel(QStringLiteral("Fill with data :"), this), 240, 1260, 1335, 255);
    place(new QLabel(QStringLiteral("(Leave blank to fill with 0's)"), this), 2400, 1260, 2175, 255);
    start_->setObjectName(QStringLiteral("txtStAdd"));
    place(start_, 1680, 240, 615, 345);
    end_->setObjectName(QStringLiteral("txtEndAdd"));
    place(end_, 1680, 720, 615, 345);
    data_->setObjectName(QStringLiteral("txtFillData"));
    place(data_, 1680, 1200, 615, 345);
    fill_->setObjectName(QStringLiteral("btnFill"));
    place(fill_, 840, 1800, 1335, 375);
    cancel_->setObjectName(QStringLiteral("btnCancel"));
    place(cancel_, 2520, 1800, 1335, 375);
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
