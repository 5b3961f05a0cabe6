#pragma once
// The main window and the splash window as the start-up logic sees them, logging what is done to
// them into a shared list so tests can check the order.

#include <map>
#include <string>
#include <vector>

#include "platform/MainWindowView.h"
#include "platform/SplashWindow.h"

namespace vantric::fakes {

class FakeMainWindowView : public platform::MainWindowView {
public:
    explicit FakeMainWindowView(std::vector<std::string>& log) : log_(log) {}

    bool IsVisible() const override { return visible; }
    void Hide() override {
        visible = false;
        log_.push_back("main hidden");
    }
    void SetCaption(const std::string& text) override {
        caption = text;
        log_.push_back("caption " + text);
    }
    void SetVisible(bool value) override {
        visible = value;
        log_.push_back(value ? "main shown" : "main hidden");
    }
    int ClientWidth() const override { return 731; }
    int ClientHeight() const override { return 435; }
    int StatusBarHeight() const override { return 20; }
    int ScreenWidth() const override { return 1280; }
    int ScreenHeight() const override { return 801; }
    platform::Rect ControlBounds(platform::MainWindowControl control) const override { return bounds.at(control); }
    void SetControlBounds(platform::MainWindowControl control, const platform::Rect& rect) override {
        bounds[control] = rect;
    }
    void LoadSecondaryWindows() override { log_.push_back("secondary windows loaded"); }
    void FocusEditor() override {}
    void RequestClose() override {}
    void CloseAllWindows() override { log_.push_back("all windows closed"); }

    bool visible = false;
    std::string caption;
    // The design places at 96 dots per inch.
    std::map<platform::MainWindowControl, platform::Rect> bounds{
        {platform::MainWindowControl::Editor, {8, 40, 385, 441}},
        {platform::MainWindowControl::RegisterPanel, {400, 48, 297, 185}},
        {platform::MainWindowControl::MemoryGrid, {400, 272, 393, 217}},
    };

private:
    std::vector<std::string>& log_;
};

class FakeSplashWindow : public platform::SplashWindow {
public:
    explicit FakeSplashWindow(std::vector<std::string>& log) : log_(log) {}
    bool IsVisible() const override { return visible; }
    void Hide() override { visible = false; }
    void SetCaption(const std::string&) override {}
    int ClientWidth() const override { return 401; }
    int ClientHeight() const override { return 300; }
    void ShowOnTop(int x, int y) override {
        visible = true;
        left = x;
        top = y;
        log_.push_back("splash shown");
    }
    void Focus() override { log_.push_back("splash focused"); }
    void SetTexts(const std::string&, const std::string&, const std::string&) override {}

    bool visible = false;
    int left = -1;
    int top = -1;

private:
    std::vector<std::string>& log_;
};

}  // namespace vantric::fakes
