#include "qt/QtPlatform.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdlib>
#include <iostream>

#include "qt/FileNameText.h"

namespace vantric::qt {

platform::MessageAnswer QtMessageBox::Show(const std::string& text, const std::string& title,
                                           platform::MessageButtons buttons, platform::MessageIcon icon) {
    QMessageBox box(icon == platform::MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon,
                    TextWithFileName(title), TextWithFileName(text), QMessageBox::NoButton, owner_);
    if (buttons == platform::MessageButtons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return platform::MessageAnswer::Ok;
    }
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Yes);
    switch (box.exec()) {
        case QMessageBox::Yes: return platform::MessageAnswer::Yes;
        case QMessageBox::No: return platform::MessageAnswer::No;
        default: return platform::MessageAnswer::Cancel;
    }
}

void QtMessageBox::Beep() { QApplication::beep(); }

std::string QtProgramHost::ProgramDirectory() const { return QCoreApplication::applicationDirPath().toStdString(); }

void QtProgramHost::EndProgram() { std::exit(EXIT_FAILURE); }

void QtProgramHost::ReportDiagnostic(const std::string& line) { std::cerr << "vantric: " << line << std::endl; }

}  // namespace vantric::qt
