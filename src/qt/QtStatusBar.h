#pragma once
#include <QLabel>
#include <QStatusBar>
#include <array>

#include "platform/StatusBar.h"

namespace vantric::qt {

// Five sunken panels: the message panel stretches, the others size to their text.
class QtStatusBar : public QStatusBar, public platform::StatusBar {
    Q_OBJECT
public:
    explicit QtStatusBar(QWidget* parent = nullptr);
    void SetPanelText(int panel, const std::string& text) override;
    QString PanelText(int panel) const;

private:
    std::array<QLabel*, 5> panels_{};
};

}  // namespace vantric::qt
