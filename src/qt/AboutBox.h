#pragma once
// The about box: the logo, the program's title, its version and notice, an OK button that
// is both the default and the cancel button, and "System Info...".
//
// Embedding: construct once at start-up with the main window as parent (Qt centres it over the main
// window), pass it as the platform::AboutBoxView to AboutBoxPresenter and call Bind(&presenter). OK,
// Enter, Escape and the close box reach OnOkClicked; "System Info..." reaches OnSystemInfoClicked.
// Bind(nullptr) cuts it loose.

#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "platform/AboutBoxView.h"
#include "qt/PresenterLink.h"

namespace vantric {
class AboutBoxPresenter;
}

namespace vantric::qt {

class AboutBox : public QDialog, public platform::AboutBoxView {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);

    void Bind(AboutBoxPresenter* presenter) { presenter_.Bind(presenter); }

    // platform::Window
    bool IsVisible() const override { return isVisible(); }
    void Hide() override { hide(); }
    void SetCaption(const std::string& caption) override;
    // platform::AboutBoxView
    void ShowModal() override { exec(); }
    void SetTitle(const std::string& title) override;
    void SetVersion(const std::string& version) override;
    void SetNotice(const std::string& notice) override;

    QLabel& TitleLabel() { return *title_; }
    QLabel& VersionLabel() { return *version_; }
    QPushButton& OkButton() { return *ok_; }
    QPushButton& SystemInfoButton() { return *sysInfo_; }

public slots:
    // Escape and the close box act as OK.
    void reject() override;

private:
    QLabel* title_;
    QLabel* version_;
    QLabel* notice_;
    QPushButton* ok_;
    QPushButton* sysInfo_;
    PresenterLink<AboutBoxPresenter> presenter_;
};

}  // namespace vantric::qt
