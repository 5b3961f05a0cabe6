#pragma once
// The window layer as the headless runner sees it: no windows, messages on stderr.

#include <ostream>
#include <string>

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
    platform::MessageAnswer Show(const std::string& text, const std::string& title,
                                 platform::MessageButtons buttons, platform::MessageIcon icon) override;
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

class AbsentMemoryGrid : public platform::MemoryGrid {
public:
    void SetCellText(int, int, const std::string&) override {}
};

}  // namespace vantric::console
