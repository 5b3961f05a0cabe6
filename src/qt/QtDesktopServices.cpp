#include "qt/QtDesktopServices.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>
#include <QtGlobal>

#ifdef Q_OS_WIN
#endif

namespace vantric::qt {

bool QtDesktopServices::OpenDocument(const std::string& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

bool QtDesktopServices::StartProgram(const std::string& path) {
    return QProcess::startDetached(QString::fromStdString(path), {});
}

bool QtDesktopServices::FileExists(const std::string& path) const {
    return QFileInfo(QString::fromStdString(path)).isFile();
}

bool QtDesktopServices::IsExecutableFile(const std::string& path) const {
    const QFileInfo file(QString::fromStdString(path));
    return file.isFile() && file.isExecutable();
}

std::string QtDesktopServices::ProgramSearchPath() const { return qEnvironmentVariable("PATH").toStdString(); }

}  // namespace vantric::qt
