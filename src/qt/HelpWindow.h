#pragma once
// The user guide inside the program: readme.rtf turned into HTML when the program was built, shown
// in a browser window that follows the guide's own links. Used when the desktop has no viewer for
// RTF documents. Object name "helpWindow"; its browser is "helpText".

#include <QTextBrowser>
#include <QWidget>

#include "platform/HelpWindow.h"

namespace vantric::qt {

class HelpWindow : public QWidget, public platform::HelpWindow {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    void ShowGuide() override;

    QTextBrowser& Text() { return *text_; }

private:
    QTextBrowser* text_;
};

}  // namespace vantric::qt
