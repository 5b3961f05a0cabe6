#pragma once
#include <QCheckBox>
#include <QDialog>
#include <QEventLoop>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "platform/ListBox.h"
#include "platform/RunWindowView.h"
#include "qt/PresenterLink.h"

namespace vantric {
class RunWindowPresenter;
}

namespace vantric::qt {

// The run window "Simulation": shown modally over the main window. Each showing runs the
// presenter's cycle once; re-activating the window (switching back to it) runs nothing.
class RunWindow : public QDialog, public platform::RunWindowView, private platform::ListBox {
    Q_OBJECT
public:
    explicit RunWindow(QWidget* mainWindow);

    void Bind(RunWindowPresenter* presenter) { presenter_.Bind(presenter); }

    void ShowModal() override;
    void Hide() override;
    platform::ListBox& ProgressList() override { return *this; }
    void SetStopButtonCaption(const std::string& caption) override;
    std::string StopButtonCaption() const override;
    void SetMonitorMemoryChecked(bool checked) override { monitorMemoryBox_->setChecked(checked); }
    void SetMonitorRegistersChecked(bool checked) override { monitorRegistersBox_->setChecked(checked); }

    QListWidget& List() { return *progressList_; }
    QPushButton& StopButton() { return *stopButton_; }
    QCheckBox& MonitorMemoryBox() { return *monitorMemoryBox_; }
    QCheckBox& MonitorRegistersBox() { return *monitorRegistersBox_; }

public slots:
    // Escape acts as the close box.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Clear() override { progressList_->clear(); }
    void AddItem(const std::string& text) override;
    void CentreOverMainWindow();
    void WaitUntilOnScreen();

    QWidget* mainWindow_;
    PresenterLink<RunWindowPresenter> presenter_;
    QLabel* messagesCaption_;
    QListWidget* progressList_;
    QPushButton* stopButton_;
    QCheckBox* monitorMemoryBox_;
    QCheckBox* monitorRegistersBox_;
    QEventLoop* modalLoop_ = nullptr;
};

}  // namespace vantric::qt
