#pragma once
#include <functional>

#include "platform/RunWindowView.h"
#include "support/Fakes.h"

namespace vantric::fakes {

// A modal run window: ShowModal runs the activation handler; if the window is still open afterwards,
// the user is taken to have pressed Close.
class FakeRunWindow : public platform::RunWindowView {
public:
    void ShowModal() override {
        ++shows;
        visible = true;
        hiddenByItself = false;
        if (onActivate) onActivate();
        visible = false;
    }
    void Hide() override {
        if (visible) hiddenByItself = true;
        visible = false;
    }
    platform::ListBox& ProgressList() override { return list; }
    void SetStopButtonCaption(const std::string& caption) override {
        buttonCaption = caption;
        captions.push_back(caption);
    }
    std::string StopButtonCaption() const override { return buttonCaption; }
    void SetMonitorMemoryChecked(bool checked) override { monitorMemoryChecked = checked; }
    void SetMonitorRegistersChecked(bool checked) override { monitorRegistersChecked = checked; }

    FakeListBox list;
    std::function<void()> onActivate;
    bool visible = false;
    bool hiddenByItself = false;  // the cycle closed the window (a breakpoint) instead of the user
    int shows = 0;
    std::string buttonCaption = "Stop";
    std::vector<std::string> captions;
    bool monitorMemoryChecked = false;
    bool monitorRegistersChecked = false;
};

}  // namespace vantric::fakes
