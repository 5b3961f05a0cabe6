#include "qt/QtPlatform.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdlib>
#include <iostream>

namespace vantric::qt {

namespace {
QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<int>(text.size()));
}
}  // namespace

platform::MessageAnswer QtMessageBox::Show(const std::string& text, const std::string& title,
                                           platform::MessageButtons buttons, platform::MessageIcon icon) {
    QMessageBox box(icon == platform::MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon,
                    Latin1(title), Latin1(text), QMessageBox::NoButton, owner_);
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

std::string QtProgramHost::ProgramDirectory() const {
    return QCoreApplication::applicationDirPath().toStdString();
}

void QtProgramHost::EndProgram() { std::exit(EXIT_FAILURE); }

void QtProgramHost::ReportDiagnostic(const std::string& line) { std::cerr << "vantric: " << line << std::endl; }

}  // namespace vantric::qt
