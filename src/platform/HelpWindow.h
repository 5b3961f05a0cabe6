#pragma once

namespace vantric::platform {

// The user guide in a window of the program's own, for a desktop that has no viewer for readme.rtf.
class HelpWindow {
public:
    virtual ~HelpWindow() = default;
    // Shows the guide, or brings its window to the front when it is open already.
    virtual void ShowGuide() = 0;
};

}  // namespace vantric::platform
