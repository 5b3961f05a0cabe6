#pragma once
// What the "Fill Memory" and "Copy memory block" dialogs share: three fields, the action button
// (the default) and Cancel, in that focus order; Escape and the close box act as Cancel. Each dialog
// lays the controls out, names them and binds its presenter's handlers.

#include <QDialog>
#include <QPushButton>
#include <functional>

#include "qt/DialogTextField.h"

namespace vantric::qt {

class MemoryBlockDialog : public QDialog {
    Q_OBJECT
public:
    QtTextBox* StartEdit() const { return start_; }
    QtTextBox* EndEdit() const { return end_; }
    QPushButton* CancelButton() const { return cancel_; }

public slots:
    void reject() override;

protected:
    struct Handlers {
        std::function<void()> action;
        std::function<void()> cancel;
        std::function<void()> startGotFocus;
        std::function<void()> endGotFocus;
        std::function<void()> thirdGotFocus;
    };

    MemoryBlockDialog(QWidget* parent, int thirdMaxLength, const QString& actionCaption);
    // Empty handlers cut the dialog loose.
    void SetHandlers(Handlers handlers);

    DialogTextField* start_;
    DialogTextField* end_;
    DialogTextField* third_;
    QPushButton* action_;
    QPushButton* cancel_;

private:
    Handlers handlers_;
};

}  // namespace vantric::qt
