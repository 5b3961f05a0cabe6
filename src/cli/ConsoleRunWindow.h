#pragma once
#include <functional>
#include <ostream>
#include <string>

#include "platform/RunWindowView.h"

namespace vantric::console {

// The run window on a console: its progress lines go to stdout as they are appended, and showing
// it runs its activation once. The line that asks the user to press Close is left out; there is no
// button to press.
class ConsoleRunWindow : public platform::RunWindowView, private platform::ListBox {
public:
    explicit ConsoleRunWindow(std::ostream& out) : out_(out) {}

    void OnActivate(std::function<void()> activate) { activate_ = std::move(activate); }

    void ShowModal() override {
        if (activate_) activate_();
    }
    void Hide() override {}
    platform::ListBox& ProgressList() override { return *this; }
    void SetStopButtonCaption(const std::string& caption) override { caption_ = caption; }
    std::string StopButtonCaption() const override { return caption_; }
    void SetMonitorMemoryChecked(bool) override {}
    void SetMonitorRegistersChecked(bool) override {}

private:
    void Clear() override {}
    void AddItem(const std::string& text) override;

    std::ostream& out_;
    std::function<void()> activate_;
    std::string caption_ = "Stop";
};

}  // namespace vantric::console
