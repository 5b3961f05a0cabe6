#pragma once
// Test doubles for the window layer. They behave like the real controls where the logic can tell:
// texts are kept, a hidden window reports itself hidden, message boxes answer from a script.

#include <algorithm>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/MachineViews.h"
#include "platform/Editor.h"
#include "platform/EventPump.h"
#include "platform/ListBox.h"
#include "platform/MemoryGrid.h"
#include "platform/MessageBox.h"
#include "platform/ProgramHost.h"
#include "platform/StatusBar.h"
#include "platform/Window.h"

namespace vantric::fakes {

class FakeStatusBar : public platform::StatusBar {
public:
    void SetPanelText(int panel, const std::string& text) override {
        panels[panel] = text;
        history.emplace_back(panel, text);
    }
    std::string Panel(int panel) const {
        const auto it = panels.find(panel);
        return it == panels.end() ? std::string() : it->second;
    }
    // Every text panel 1 showed, in order.
    std::vector<std::string> Panel1History() const {
        std::vector<std::string> texts;
        for (const auto& [panel, text] : history)
            if (panel == 1) texts.push_back(text);
        return texts;
    }

    std::map<int, std::string> panels;
    std::vector<std::pair<int, std::string>> history;
};

struct ShownMessage {
    std::string text;
    std::string title;
    platform::MessageButtons buttons;
    platform::MessageIcon icon;
};

class FakeMessageBox : public platform::MessageBox {
public:
    platform::MessageAnswer Show(const std::string& text, const std::string& title,
                                 platform::MessageButtons buttons, platform::MessageIcon icon) override {
        shown.push_back({text, title, buttons, icon});
        if (answers.empty())
            return buttons == platform::MessageButtons::Ok ? platform::MessageAnswer::Ok
                                                           : platform::MessageAnswer::Yes;
        const auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void Beep() override { ++beeps; }

    std::vector<ShownMessage> shown;
    std::deque<platform::MessageAnswer> answers;  // scripted replies, Ok/Yes when empty
    int beeps = 0;
};

class FakeProgramHost : public platform::ProgramHost {
public:
    explicit FakeProgramHost(std::string dir = ".") : directory(std::move(dir)) {}
    std::string ProgramDirectory() const override { return directory; }
    void EndProgram() override { ended = true; }
    void ReportDiagnostic(const std::string& line) override { diagnostics.push_back(line); }

    std::string directory;
    bool ended = false;
    std::vector<std::string> diagnostics;
};

class FakeWindow : public platform::Window {
public:
    bool IsVisible() const override { return visible; }
    void Hide() override {
        visible = false;
        ++hideCount;
    }
    void SetCaption(const std::string& text) override { caption = text; }

    bool visible = false;
    int hideCount = 0;
    std::string caption;
};

class FakeMemoryGrid : public platform::MemoryGrid {
public:
    void SetCellText(int row, int column, const std::string& text) override {
        cells[{row, column}] = text;
        ++writes;
    }
    std::string Cell(int row, int column) const {
        const auto it = cells.find({row, column});
        return it == cells.end() ? std::string() : it->second;
    }

    std::map<std::pair<int, int>, std::string> cells;
    int writes = 0;
};

// Keeps text and selection like a real editor; every SetText counts as an edit.
class FakeEditor : public platform::Editor {
public:
    std::string Text() const override { return text; }
    void SetText(const std::string& value) override {
        text = value;
        selStart = 0;
        selLength = 0;
        ++textChanges;
    }
    int SelStart() const override { return selStart; }
    void SetSelStart(int position) override {
        selStart = std::min(std::max(position, 0), static_cast<int>(text.size()));
        selLength = 0;
    }
    int SelLength() const override { return selLength; }
    void SetSelLength(int length) override {
        selLength = std::min(std::max(length, 0), static_cast<int>(text.size()) - selStart);
    }
    void SetReadOnly(bool value) override { readOnly = value; }
    std::string SelectedText() const { return text.substr(static_cast<std::size_t>(selStart), static_cast<std::size_t>(selLength)); }

    std::string text;
    int selStart = 0;
    int selLength = 0;
    bool readOnly = false;
    int textChanges = 0;
};

// Runs `onEvents` (if set) each time events are let through, as a queued click would.
class FakeEventPump : public platform::EventPump {
public:
    void ProcessEvents() override {
        ++calls;
        if (onEvents) onEvents();
    }
    int calls = 0;
    std::function<void()> onEvents;
};

class FakeClock : public platform::Clock {
public:
    double SecondsSinceMidnight() const override {
        const double now = times.empty() ? last : times.front();
        if (!times.empty()) times.pop_front();
        last = now;
        return now;
    }
    mutable std::deque<double> times;  // successive readings; the last one repeats
    mutable double last = 0.0;
};

class FakeListBox : public platform::ListBox {
public:
    void Clear() override { items.clear(); }
    void AddItem(const std::string& text) override { items.push_back(text); }
    std::vector<std::string> items;
};

class FakeMachineViews : public MachineViews {
public:
    void RefreshRegisterPanel(bool keepStatusText) override {
        ++registerRefreshes;
        lastKeepStatusText = keepStatusText;
    }
    void RefreshMemoryGrid() override { ++gridRefreshes; }
    int registerRefreshes = 0;
    int gridRefreshes = 0;
    bool lastKeepStatusText = false;
};

}  // namespace vantric::fakes
