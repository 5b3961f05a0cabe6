#pragma once
// The window layer as the headless runner sees it: no windows, messages on stderr.

#include <ostream>
#include <string>

#include "assembler/HeldTextEditor.h"
#include "core/MachineViews.h"
#include "platform/EventPump.h"
#include "platform/ListBox.h"
#include "platform/MemoryGrid.h"
#include "platform/MessageBox.h"
#include "platform/ProgramHost.h"
#include "platform/StatusBar.h"
#include "platform/Window.h"

namespace vantric::console {

// Keeps the panel texts so the runner can report what the main window would have shown.
class ConsoleStatusBar : public platform::StatusBar {
public:
    void SetPanelText(int panel, const std::string& text) override;
    const std::string& Panel(int panel) const;

private:
    std::string panels_[6];
};

// Message boxes become "title: text" lines on the error stream; the answer is always the default.
class ConsoleMessageBox : public platform::MessageBox {
public:
    explicit ConsoleMessageBox(std::ostream& err) : err_(err) {}
    platform::MessageAnswer Show(const std::string& text, const std::string& title, platform::MessageButtons buttons,
                                 platform::MessageIcon icon) override;
    void Beep() override {}

private:
    std::ostream& err_;
};

class ConsoleProgramHost : public platform::ProgramHost {
public:
    explicit ConsoleProgramHost(std::ostream& err) : err_(err) {}
    std::string ProgramDirectory() const override;
    // The runner cannot stop mid-way inside the logic; it notes the request and exits when control
    // returns to it.
    void EndProgram() override { endRequested_ = true; }
    void ReportDiagnostic(const std::string& line) override { err_ << line << '\n'; }
    bool EndRequested() const { return endRequested_; }

private:
    std::ostream& err_;
    bool endRequested_ = false;
};

// There is no grid on the console: writes vanish and it has no rows, no columns and no place.
class AbsentMemoryGrid : public platform::MemoryGrid {
public:
    void SetCellText(int, int, const std::string&) override {}
    std::string CellText(int, int) const override { return {}; }
    int Rows() const override { return 0; }
    void SetRows(int) override {}
    int Cols() const override { return 0; }
    void SetCols(int) override {}
    void SetColumnWidth(int, int) override {}
    void SetColumnAlignment(int, platform::CellAlignment) override {}
    void SetCellStyle(int, int, int, std::uint32_t, bool) override {}
    int Row() const override { return 0; }
    int Col() const override { return 0; }
    void SetCurrentCell(int, int) override {}
    void ScrollTo(int, int) override {}
    bool IsVisible() const override { return false; }
    void SetVisible(bool) override {}
    void SetFocus() override {}
    platform::Rect Bounds() const override { return {}; }
    platform::Rect CurrentCellRect() const override { return {}; }
    int TextWidth(const std::string&) const override { return 0; }
};

// The program text the runner read, held once.
using ConsoleEditor = HeldTextEditor;

// There are no window events to let through, ever.
class ConsoleEventPump : public platform::EventPump {
public:
    void ProcessEvents() override {}
    const std::atomic<bool>* PendingEventsFlag() const override { return &never_; }

private:
    std::atomic<bool> never_{false};
};

class ConsoleClock : public platform::Clock {
public:
    double Seconds() const override;
};

// The run's progress lines, printed as they come.
class PrintedProgressList : public platform::ListBox {
public:
    explicit PrintedProgressList(std::ostream& out) : out_(out) {}
    void Clear() override {}
    void AddItem(const std::string& text) override { out_ << text << '\n'; }

private:
    std::ostream& out_;
};

// Nothing is on screen to refresh.
class AbsentMachineViews : public MachineViews {
public:
    void RefreshRegisterPanel(bool) override {}
    void RefreshMemoryGrid() override {}
    void ShowMemoryByte(std::uint16_t, std::uint8_t) override {}
};

}  // namespace vantric::console
