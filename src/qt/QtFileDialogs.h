#pragma once
// The system clipboard and the open and save dialogs, as the desktop program provides them.

#include <QWidget>

#include "platform/Clipboard.h"
#include "platform/FileDialogs.h"

namespace vantric::qt {

// Text crosses in the editor's form: CR LF breaks, 8-bit characters. Text from other programs may
// break its lines with CR LF, CR or LF; each is one break.
class QtClipboard : public platform::Clipboard {
public:
    std::string Text() const override;
    void SetText(const std::string& text) override;
};

// Qt's file dialogs. Paths cross as the file system's bytes.
class QtFileDialogs : public platform::FileDialogs {
public:
    explicit QtFileDialogs(QWidget* owner) : owner_(owner) {}
    std::string ShowOpen(const platform::FileDialogSettings& settings) override;
    std::string ShowSave(const platform::FileDialogSettings& settings) override;

private:
    std::string Show(const platform::FileDialogSettings& settings, bool save);
    QWidget* owner_;
};

// "Description (*.85)|*.85|All files (*.*)|*.*" as Qt's name filters. "*.*" becomes "*", which on
// this system also matches names without a dot.
QStringList NameFilters(const std::string& filter);

}  // namespace vantric::qt
