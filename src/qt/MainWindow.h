#pragma once
#include <QMainWindow>

#include "platform/Window.h"
#include "qt/QtStatusBar.h"

namespace vantric::qt {

class MainWindow : public QMainWindow, public platform::Window {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

    bool IsVisible() const override { return isVisible(); }
    void Hide() override { hide(); }
    void SetCaption(const std::string& caption) override;

    QtStatusBar& Status() { return *status_; }

private:
    QtStatusBar* status_;
};

}  // namespace vantric::qt
