#include "qt/QtDesktopServices.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>
#include <QtGlobal>

#ifdef Q_OS_WIN
#include <QSettings>
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

std::optional<std::string> QtDesktopServices::ReadMachineRegistryString(const std::string& key,
                                                                         const std::string& value) const {
#ifdef Q_OS_WIN
    const QSettings registry(QStringLiteral("HKEY_LOCAL_MACHINE\\") + QString::fromStdString(key),
                             QSettings::NativeFormat);
    const QVariant text = registry.value(QString::fromStdString(value));
    if (!text.isValid()) return std::nullopt;
    // The value ends at its first NUL character.
    QString result = text.toString();
    const qsizetype nul = result.indexOf(QChar(u'\0'));
    if (nul >= 0) result.truncate(nul);
    return result.toStdString();
#else
    (void)key;
    (void)value;
    return std::nullopt;
#endif
}

std::string QtDesktopServices::ProgramSearchPath() const { return qEnvironmentVariable("PATH").toStdString(); }

}  // namespace vantric::qt
