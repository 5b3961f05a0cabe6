#include "qt/MemoryBlockDialog.h"

#include <QLabel>

#include "memtools/MemoryBlockPresenter.h"
#include "qt/TwipsLayout.h"
#include "qt/ViewFonts.h"

namespace vantric::qt {

using platform::BlockField;

MemoryBlockDialog::MemoryBlockDialog(QWidget* parent, int targetMaxLength, const QString& actionCaption)
    : QDialog(parent),
      start_(new DialogTextField(4, this)),
      end_(new DialogTextField(4, this)),
      target_(new DialogTextField(targetMaxLength, this)),
      action_(new QPushButton(actionCaption, this)),
      cancel_(new QPushButton(QStringLiteral("Cancel"), this)) {
    setFont(DialogFont());
    start_->setObjectName(QStringLiteral("startField"));
    end_->setObjectName(QStringLiteral("endField"));
    cancel_->setObjectName(QStringLiteral("cancelButton"));
    action_->setDefault(true);

    setTabOrder(start_, end_);
    setTabOrder(end_, target_);
    setTabOrder(target_, action_);
    setTabOrder(action_, cancel_);

    connect(action_, &QPushButton::clicked, this, presenter_.To(&MemoryBlockPresenter::OnActionClicked));
    connect(cancel_, &QPushButton::clicked, this, presenter_.To(&MemoryBlockPresenter::OnCancelClicked));
    for (const BlockField field : {BlockField::Start, BlockField::End, BlockField::Target})
        Edit(field)->onGotFocus = [this, field] { presenter_(&MemoryBlockPresenter::OnFieldFocused, field); };
}

QtTextBox* MemoryBlockDialog::Edit(BlockField field) const {
    return field == BlockField::Start ? start_ : field == BlockField::End ? end_ : target_;
}

void MemoryBlockDialog::reject() {
    if (presenter_.IsBound())
        presenter_(&MemoryBlockPresenter::OnCancelClicked);
    else
        QDialog::reject();
}

FillMemoryDialog::FillMemoryDialog(QWidget* parent) : MemoryBlockDialog(parent, 2, QStringLiteral("&Fill")) {
    setObjectName(QStringLiteral("fillMemoryDialog"));
    setWindowTitle(QStringLiteral("Fill Memory"));
    setFixedSize(TwipsToPixels(this, 4695), TwipsToPixels(this, 2460));

    PlaceInTwips(new QLabel(QStringLiteral("Start address :"), this), 240, 300, 1335, 255);
    PlaceInTwips(new QLabel(QStringLiteral("End address :"), this), 240, 780, 1335, 255);
    PlaceInTwips(new QLabel(QStringLiteral("Fill with data :"), this), 240, 1260, 1335, 255);
    PlaceInTwips(new QLabel(QStringLiteral("(Leave blank to fill with 0's)"), this), 2400, 1260, 2175, 255);
    PlaceInTwips(start_, 1680, 240, 615, 345);
    PlaceInTwips(end_, 1680, 720, 615, 345);
    target_->setObjectName(QStringLiteral("dataField"));
    PlaceInTwips(target_, 1680, 1200, 615, 345);
    action_->setObjectName(QStringLiteral("fillButton"));
    PlaceInTwips(action_, 840, 1800, 1335, 375);
    PlaceInTwips(cancel_, 2520, 1800, 1335, 375);
}

CopyMemoryDialog::CopyMemoryDialog(QWidget* parent) : MemoryBlockDialog(parent, 4, QStringLiteral("&Copy")) {
    setObjectName(QStringLiteral("copyMemoryDialog"));
    setWindowTitle(QStringLiteral("Copy memory block"));
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
    PlaceInTwips(start_, 1920, 540, 615, 345);
    PlaceInTwips(end_, 1920, 1020, 615, 345);
    target_->setObjectName(QStringLiteral("destinationField"));
    PlaceInTwips(target_, 1920, 1980, 615, 345);
    action_->setObjectName(QStringLiteral("copyButton"));
    PlaceInTwips(action_, 360, 2640, 1335, 375);
    PlaceInTwips(cancel_, 2040, 2640, 1335, 375);
}

}  // namespace vantric::qt
