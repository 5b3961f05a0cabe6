#include "qt/QtFileDialogs.h"

#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>

#include "editing/EditorText.h"
#include "qt/Latin1.h"

namespace vantric::qt {

std::string QtClipboard::Text() const {
    const QString text = QGuiApplication::clipboard()->text();
    return editor_text::FromClipboard(
        {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())});
}

void QtClipboard::SetText(const std::string& text) {
    const std::u16string widget = editor_text::ToWidget(text);
    QGuiApplication::clipboard()->setText(QString::fromUtf16(widget.data(), static_cast<qsizetype>(widget.size())));
}

QStringList NameFilters(const std::string& filter) {
    const QStringList parts = Latin1(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const qsizetype bracket = description.lastIndexOf(QLatin1String(" ("));
        if (bracket >= 0 && description.endsWith(QLatin1Char(')'))) description.truncate(bracket);
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1String("*.*"), QLatin1String("*"));
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << description + QLatin1String(" (") + patterns + QLatin1Char(')');
    }
    return filters;
}

std::string QtFileDialogs::ShowOpen(const platform::FileDialogSettings& settings) { return Show(settings, false); }

std::string QtFileDialogs::ShowSave(const platform::FileDialogSettings& settings) { return Show(settings, true); }

std::string QtFileDialogs::Show(const platform::FileDialogSettings& settings, bool save) {
    QFileDialog dialog(owner_, Latin1(settings.Title));
    dialog.setObjectName(save ? QStringLiteral("saveDialog") : QStringLiteral("openDialog"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // The open dialog takes a name that does not exist as well; what happens then is the caller's.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(NameFilters(settings.Filter));
    if (save) dialog.setDefaultSuffix(Latin1(settings.DefaultExtension));
    // A name typed without a suffix gets the one of the file type chosen, where that type names one
    // ("Binary image (*.bin)"); a type such as "All files" leaves the default.
    if (save)
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, &settings](const QString& filter) {
            static const QRegularExpression kSuffix(QStringLiteral("\\(\\*\\.(\\w+)\\)$"));
            const QRegularExpressionMatch match = kSuffix.match(filter);
            dialog.setDefaultSuffix(match.hasMatch() ? match.captured(1) : Latin1(settings.DefaultExtension));
        });
    const QString initial = QFile::decodeName(settings.InitialName.c_str());
    const QFileInfo info(initial);
    if (initial.contains(QLatin1Char('/'))) dialog.setDirectory(info.absolutePath());
    // The name field proposes the initial name, a pattern such as "*.85" included.
    dialog.selectFile(info.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return QFile::encodeName(dialog.selectedFiles().front()).toStdString();
}

}  // namespace vantric::qt
