#include "qt/QtDesktopServices.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QUrl>
#include <QtGlobal>

namespace vantric::qt {

namespace {
// Asks the desktop's MIME database which program opens documents like this one. Qt's open call
// answers true as soon as the launcher starts, even when the launcher then finds no program; hence
// the question first. A database that cannot be asked (no xdg-mime, no answer in time) counts as
// naming no program, so that the guide shows in the help window rather than perhaps nowhere.
bool HasDefaultApplication(const QString& path) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    constexpr int kQueryTimeoutMs = 5000;
    const QString type = QMimeDatabase().mimeTypeForFile(path).name();
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), type});
    if (!query.waitForFinished(kQueryTimeoutMs) || query.exitStatus() != QProcess::NormalExit) {
        query.kill();
        query.waitForFinished();
        return false;
    }
    return !query.readAllStandardOutput().trimmed().isEmpty();
#else
    Q_UNUSED(path);
    return true;
#endif
}
}  // namespace

bool QtDesktopServices::OpenDocument(const std::string& path) {
    const QString document = QString::fromStdString(path);
    return HasDefaultApplication(document) && QDesktopServices::openUrl(QUrl::fromLocalFile(document));
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
