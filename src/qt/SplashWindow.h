#pragma once
// The splash window: a frameless window above all others, drawn in one piece (logo, title, version
// and platform note on an ivory ground), shown without taking the activation.
//
// Embedding: construct once, without a parent, and pass it as the platform::SplashWindow to the
// start-up; Bind(&presenter) forwards a mouse press to OnClicked, a key to OnKeyPressed and the loss
// of the focus to OnFocusLost. Bind(nullptr) cuts it loose.
//
// The focus counts as lost when the user turns elsewhere: a mouse press or a key press in another
// window of the program, or another program becoming active. The activation moving between the
// program's own windows does not count: a window manager activates the main window when it maps it,
// which may be after start-up has given the splash the focus.

#include <QString>
#include <QWidget>

#include "platform/SplashWindow.h"
#include "qt/PresenterLink.h"

namespace vantric {
class SplashPresenter;
}

namespace vantric::qt {

class SplashWindow : public QWidget, public platform::SplashWindow {
    Q_OBJECT
public:
    SplashWindow();

    void Bind(SplashPresenter* presenter) { presenter_.Bind(presenter); }

    // platform::Window
    bool IsVisible() const override { return isVisible(); }
    void Hide() override { hide(); }
    void SetCaption(const std::string& caption) override;
    // platform::SplashWindow
    int ClientWidth() const override { return width(); }
    int ClientHeight() const override { return height(); }
    void ShowOnTop(int left, int top) override;
    void Focus() override;
    void SetTexts(const std::string& title, const std::string& version, const std::string& platformNote) override;

    QString Title() const { return title_; }
    QString Version() const { return version_; }
    QString PlatformNote() const { return platformNote_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    // While shown: watches the program's other windows for input.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PresenterLink<SplashPresenter> presenter_;
    QString title_;
    QString version_;
    QString platformNote_;
};

}  // namespace vantric::qt
