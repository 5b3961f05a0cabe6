#pragma once

namespace vantric {

struct MainWindowState {
    bool StartupInProgress = false;  // from the start of Start until the main window is shown
    bool WindowHasFocus = false;     // the main window is the active window
};

}  // namespace vantric
