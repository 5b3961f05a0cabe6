#pragma once
#include <string>

namespace vantric::platform {

// A top-level window or dialog: created once, afterwards only shown and hidden.
class Window {
public:
    virtual ~Window() = default;
    virtual bool IsVisible() const = 0;
    virtual void Hide() = 0;
    virtual void SetCaption(const std::string& caption) = 0;
};

// A window that is never on screen, for front ends that do not have it.
class AbsentWindow : public Window {
public:
    bool IsVisible() const override { return false; }
    void Hide() override {}
    void SetCaption(const std::string&) override {}
};

}  // namespace vantric::platform
