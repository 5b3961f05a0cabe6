#pragma once
#include "platform/TextBox.h"
#include "platform/Window.h"

namespace vantric::platform {

// The controls of the main window that its start-up and resize rules place.
enum class MainWindowControl { Editor, RegisterPanel, MemoryCaption, MemoryGrid, EntryBox, MainToolbar, MemoryToolbar };

// The main window "mainWindow", measured in pixels. Its client area is everything below the menu bar,
// the status bar along its bottom edge included.
class MainWindowView : public Window {
public:
    virtual void SetVisible(bool visible) = 0;
    virtual int ClientWidth() const = 0;
    virtual int ClientHeight() const = 0;
    virtual int StatusBarHeight() const = 0;
    virtual int ScreenWidth() const = 0;
    virtual int ScreenHeight() const = 0;
    // A control's place in the client area.
    virtual Rect ControlBounds(MainWindowControl control) const = 0;
    virtual void SetControlBounds(MainWindowControl control, const Rect& bounds) = 0;
    // Loads the other windows of the program, hidden, each with the main window's icon.
    virtual void LoadSecondaryWindows() = 0;
    virtual void FocusEditor() = 0;
    // Asks the main window to close; the request goes through its close handler, which may refuse.
    virtual void RequestClose() = 0;
    // Closes every window of the program, which ends it.
    virtual void CloseAllWindows() = 0;
};

}  // namespace vantric::platform
