#pragma once
#include "platform/Window.h"

namespace vantric::platform {

// The splash window shown while the program starts.
class SplashWindow : public Window {
public:
    virtual int ClientWidth() const = 0;
    virtual int ClientHeight() const = 0;
    // Shows it at this place on the screen, above all other windows, without activating it.
    virtual void ShowOnTop(int left, int top) = 0;
    virtual void Focus() = 0;
    virtual void SetTexts(const std::string& title, const std::string& version, const std::string& platformNote) = 0;
};

// A front end without a splash window.
class AbsentSplashWindow : public SplashWindow {
public:
    bool IsVisible() const override { return false; }
    void Hide() override {}
    void SetCaption(const std::string&) override {}
    int ClientWidth() const override { return 0; }
    int ClientHeight() const override { return 0; }
    void ShowOnTop(int, int) override {}
    void Focus() override {}
    void SetTexts(const std::string&, const std::string&, const std::string&) override {}
};

}  // namespace vantric::platform
