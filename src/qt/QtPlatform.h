#pragma once
// Message boxes, the beep and the process, as the desktop program provides them.

#include <QWidget>

#include "platform/MessageBox.h"
#include "platform/ProgramHost.h"

namespace vantric::qt {

class QtMessageBox : public platform::MessageBox {
public:
    explicit QtMessageBox(QWidget* owner) : owner_(owner) {}
    platform::MessageAnswer Show(const std::string& text, const std::string& title, platform::MessageButtons buttons,
                                 platform::MessageIcon icon) override;
    void Beep() override;

private:
    QWidget* owner_;
};

class QtProgramHost : public platform::ProgramHost {
public:
    std::string ProgramDirectory() const override;
    // Ends the process at once: nothing is unsaved this early, and no event loop may be running yet.
    void EndProgram() override;
    void ReportDiagnostic(const std::string& line) override;
};

}  // namespace vantric::qt
