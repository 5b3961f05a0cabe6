#pragma once
// Test doubles for the window layer. They behave like the real controls where the logic can tell:
// texts are kept, a hidden window reports itself hidden, message boxes answer from a script.

#include <algorithm>
#include <cstdint>
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
    platform::MessageAnswer Show(const std::string& text, const std::string& title, platform::MessageButtons buttons,
                                 platform::MessageIcon icon) override {
        shown.push_back({text, title, buttons, icon});
        if (answers.empty())
            return buttons == platform::MessageButtons::Ok ? platform::MessageAnswer::Ok : platform::MessageAnswer::Yes;
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
    void Hide() override { visible = false; }
    void SetCaption(const std::string& text) override { caption = text; }

    bool visible = false;
    std::string caption;
};

// Which fake control holds the input focus. Moving it raises the old holder's lost-focus
// notification, then the new holder's got-focus notification, as the window system does.
class FakeFocus {
public:
    struct Holder {
        virtual ~Holder() = default;
        std::function<void()> onGotFocus;
        std::function<void()> onLostFocus;
    };
    void MoveTo(Holder* holder) {
        if (holder == current) return;
        Holder* old = current;
        current = holder;
        if (old && old->onLostFocus) old->onLostFocus();
        if (holder && holder->onGotFocus) holder->onGotFocus();
    }
    Holder* current = nullptr;
};

// Keeps every cell written (also outside its row and column counts, for tests that never size it).
// Moving the current cell and scrolling raise onCurrentCellChange and onScroll, as the real grid does.
class FakeMemoryGrid : public platform::MemoryGrid, public FakeFocus::Holder {
public:
    void SetCellText(int row, int column, const std::string& text) override {
        cells[{row, column}] = text;
        ++writes;
    }
    std::string CellText(int row, int column) const override { return Cell(row, column); }
    std::string Cell(int row, int column) const {
        const auto it = cells.find({row, column});
        return it == cells.end() ? std::string() : it->second;
    }
    int Rows() const override { return rows; }
    void SetRows(int count) override {
        rows = count;
        std::erase_if(cells, [&](const auto& cell) { return cell.first.first >= count; });
    }
    int Cols() const override { return cols; }
    void SetCols(int count) override {
        cols = count;
        std::erase_if(cells, [&](const auto& cell) { return cell.first.second >= count; });
    }
    void SetColumnWidth(int, int) override {}
    void SetColumnAlignment(int, platform::CellAlignment) override {}
    void SetCellStyle(int, int, int, std::uint32_t, bool) override {}
    int Row() const override { return currentRow; }
    int Col() const override { return currentCol; }
    void SetCurrentCell(int row, int column) override {
        if (row == currentRow && column == currentCol) return;
        currentRow = row;
        currentCol = column;
        if (onCurrentCellChange) onCurrentCellChange();
    }
    void ScrollTo(int newTopRow, int newLeftCol) override {
        if (newTopRow == topRow && newLeftCol == leftCol) return;
        topRow = newTopRow;
        leftCol = newLeftCol;
        if (onScroll) onScroll();
    }
    bool IsVisible() const override { return visible; }
    void SetVisible(bool value) override { visible = value; }
    void SetFocus() override {
        if (focus && visible) focus->MoveTo(this);
    }
    platform::Rect Bounds() const override { return {400, 272, 393, 217}; }
    // Every column 50 pixels wide and every row 16 high; the grid never scrolls its cells away.
    platform::Rect CurrentCellRect() const override { return {currentCol * 50, currentRow * 16, 50, 16}; }
    int TextWidth(const std::string& text) const override { return static_cast<int>(text.size()) * 120; }

    std::map<std::pair<int, int>, std::string> cells;
    int writes = 0;
    int rows = 0;
    int cols = 0;
    int currentRow = 0;
    int currentCol = 0;
    int topRow = 0;
    int leftCol = 0;
    bool visible = true;
    FakeFocus* focus = nullptr;
    std::function<void()> onCurrentCellChange;
    std::function<void()> onScroll;
};

// Keeps text and selection like a real editor; every SetText and SetSelText counts as an edit and
// raises onChange.
class FakeEditor : public platform::Editor {
public:
    std::string Text() const override { return text; }
    void SetText(const std::string& value) override {
        text = value;
        selStart = 0;
        selLength = 0;
        Changed();
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
    std::string SelText() const override {
        return text.substr(static_cast<std::size_t>(selStart), static_cast<std::size_t>(selLength));
    }
    void SetSelText(const std::string& value) override {
        text.replace(static_cast<std::size_t>(selStart), static_cast<std::size_t>(selLength), value);
        selStart += static_cast<int>(value.size());
        selLength = 0;
        Changed();
    }
    int FirstWideCharacter() const override { return wideCharacterAt; }
    void Changed() {
        ++textChanges;
        if (onChange) onChange();
    }

    std::string text;
    int selStart = 0;
    int selLength = 0;
    bool readOnly = false;
    int textChanges = 0;
    int wideCharacterAt = -1;  // where a character beyond 8 bits is taken to stand; -1: none
    std::function<void()> onChange;
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
    double Seconds() const override {
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
    void ShowMemoryByte(std::uint16_t address, std::uint8_t value) override { shownBytes.emplace_back(address, value); }
    int registerRefreshes = 0;
    std::vector<std::pair<std::uint16_t, std::uint8_t>> shownBytes;
    int gridRefreshes = 0;
    bool lastKeepStatusText = false;
};

}  // namespace vantric::fakes
