#pragma once
#include <QLabel>
#include <QStatusBar>
#include <array>

#include "platform/StatusBar.h"

namespace vantric::qt {

// Five sunken panels: the message panel stretches, the others size to their text. Panels 3 to 5
// follow the Insert, Caps Lock and Num Lock keys: their text is greyed while the key is off.
class QtStatusBar : public QStatusBar, public platform::StatusBar {
    Q_OBJECT
public:
    explicit QtStatusBar(QWidget* parent = nullptr);
    ~QtStatusBar() override;
    void SetPanelText(int panel, const std::string& text) override;
    QString PanelText(int panel) const;
    // Whether the key shown in panel 3, 4 or 5 is on.
    bool KeyPanelOn(int panel) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowKeyStates();

    std::array<QLabel*, 5> panels_{};
    bool insert_ = false;
    bool capsLock_ = false;
    bool numLock_ = false;
};

}  // namespace vantric::qt
