#pragma once
#include <string>

#include "platform/Window.h"

namespace vantric::platform {

// The modal about box: the program's title, its version and a notice, with OK and "System Info...".
class AboutBoxView : public Window {
public:
    // Shows the box modally and returns when it has been hidden again.
    virtual void ShowModal() = 0;
    virtual void SetTitle(const std::string& title) = 0;
    virtual void SetVersion(const std::string& version) = 0;
    virtual void SetNotice(const std::string& notice) = 0;
};

}  // namespace vantric::platform
