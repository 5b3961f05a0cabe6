#pragma once
#include <string>

namespace vantric::platform {

// The main window's five-panel status bar. Panel 1 carries the latest progress or result message,
// panel 2 the T-state text; panels 3 to 5 follow Insert, Caps Lock and Num Lock by themselves.
class StatusBar {
public:
    virtual ~StatusBar() = default;
    virtual void SetPanelText(int panel, const std::string& text) = 0;
};

}  // namespace vantric::platform
