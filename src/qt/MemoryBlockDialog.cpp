#include "qt/MemoryBlockDialog.h"

#include "qt/ViewFonts.h"

namespace vantric::qt {

MemoryBlockDialog::MemoryBlockDialog(QWidget* parent, int thirdMaxLength, const QString& actionCaption)
    : QDialog(parent),
      start_(new DialogTextField(4, this)),
      end_(new DialogTextField(4, this)),
      third_(new DialogTextField(thirdMaxLength, this)),
      action_(new QPushButton(actionCaption, this)),
      cancel_(new QPushButton(QStringLiteral("Cancel"), this)) {
    setFont(DialogFont());
    start_->setObjectName(QStringLiteral("startField"));
    end_->setObjectName(QStringLiteral("endField"));
    cancel_->setObjectName(QStringLiteral("cancelButton"));
    action_->setDefault(true);

    setTabOrder(start_, end_);
    setTabOrder(end_, third_);
    setTabOrder(third_, action_);
    setTabOrder(action_, cancel_);

    connect(action_, &QPushButton::clicked, this, [this] {
        if (handlers_.action) handlers_.action();
    });
    connect(cancel_, &QPushButton::clicked, this, [this] {
        if (handlers_.cancel) handlers_.cancel();
    });
}

void MemoryBlockDialog::SetHandlers(Handlers handlers) {
    handlers_ = std::move(handlers);
    start_->onGotFocus = handlers_.startGotFocus;
    end_->onGotFocus = handlers_.endGotFocus;
    third_->onGotFocus = handlers_.thirdGotFocus;
}

void MemoryBlockDialog::reject() {
    if (handlers_.cancel)
        handlers_.cancel();
    else
        QDialog::reject();
}

}  // namespace vantric::qt
