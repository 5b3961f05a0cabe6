#pragma once
// The real desktop program for the widget tests, started as main starts it with the shipped
// instruction set and a fake desktop, and a watcher that works each modal window that comes up.

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "qt/DesktopApp.h"
#include "support/FakeShell.h"
#include "support/Fakes.h"

namespace vantric::testing {

class Desktop : public QObject {
public:
    // The splash window is closed first (it closes with the first key or click anywhere), unless kept.
    explicit Desktop(bool keepSplash = false) : program(host, "", true, &desktop) {
        desktop.files = {VANTRIC_DATA_DIR "/readme.rtf"};
        connect(&poll_, &QTimer::timeout, this, [this] { Poll(); });
        poll_.start(5);
        program.Start();
        if (!keepSplash) QTest::keyClick(&program.Splash(), Qt::Key_Escape);
        window().activateWindow();
        active = QTest::qWaitForWindowActive(&window());
    }
    qt::MainWindow& window() { return program.Window(); }
    qt::RunWindow& run() { return program.RunDialog(); }
    qt::SourceEditor& editor() { return program.Window().Editor(); }
    QString panel(int n) { return program.Window().Status().PanelText(n); }
    QString box(platform::RegisterField field) { return program.Registers().Box(field)->text(); }
    std::string selection() {
        return editor().Text().substr(static_cast<std::size_t>(editor().SelStart()),
                                      static_cast<std::size_t>(editor().SelLength()));
    }
    void click(qt::ToolbarKind kind, const char* key) {
        QToolBar& bar = kind == qt::ToolbarKind::Main ? window().MainToolbar() : window().MemoryToolbar();
        QTest::mouseClick(bar.widgetForAction(window().ToolbarAction(kind, key)), Qt::LeftButton);
    }
    // Runs `user` in the next dialog that comes up, once it has the keyboard; it is cancelled after.
    void inDialog(std::function<void()> user) { user_ = std::move(user); }

    fakes::FakeProgramHost host{VANTRIC_DATA_DIR};
    fakes::FakeDesktopServices desktop;
    qt::DesktopApp program;
    bool active = false;

    // What the watcher met: "objectName: caption" of each dialog, the text of each message box.
    QStringList seen;
    QMessageBox::StandardButton answer = QMessageBox::No;  // when the box offers it; else its default
    QString fileToChoose;                                  // accepted in the next file dialog, else cancelled
    QString fileTypeToChoose;                              // picked there first (the start of its text)
    QString fileDialogSettings;                            // its suffix | filters | folder | proposed name
    std::function<void(qt::RunWindow&)> onRunning;         // while the run window's cycle is under way
    QStringList closedRunLines;                            // the run window's list when Close was pressed

private:
    void Poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == busy_) return;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen << box->text();
            (box->button(answer) ? box->button(answer) : box->buttons().first())->click();
        } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
            seen << files->objectName();
            auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            fileDialogSettings = QStringList{files->defaultSuffix(), files->nameFilters().join(QLatin1Char(',')),
                                             files->directory().path(), name ? name->text() : QString()}
                                     .join(QStringLiteral(" | "));
            if (fileToChoose.isEmpty()) return files->reject();
            // In a call of its own, as it may ask before replacing a file.
            busy_ = files;
            QTimer::singleShot(0, files,
                               [this, files, name, chosen = std::exchange(fileToChoose, QString()),
                                type = std::exchange(fileTypeToChoose, QString())] {
                                   auto* types = files->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
                                   // Chosen with the keyboard, as a user would, so the dialog hears of it.
                                   const int wanted = types ? types->findText(type, Qt::MatchStartsWith) : -1;
                                   while (!type.isEmpty() && types->currentIndex() < wanted)
                                       QTest::keyClick(types, Qt::Key_Down);
                                   name->setText(chosen);  // as typed
                                   static_cast<QDialog*>(files)->accept();
                                   busy_ = nullptr;
                               });
        } else if (modal == &run()) {
            if (run().StopButton().text() != QStringLiteral("Close")) {
                if (onRunning) onRunning(run());
                return;
            }
            closedRunLines.clear();
            for (int i = 0; i < run().List().count(); ++i) closedRunLines << run().List().item(i)->text();
            QTest::mouseClick(&run().StopButton(), Qt::LeftButton);
            HideIfOpen(run());
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            seen << dialog->objectName() + QStringLiteral(": ") + dialog->windowTitle();
            busy_ = dialog;  // worked in its own call, so that the boxes it raises are answered here
            QTimer::singleShot(0, this, [this, dialog, user = std::exchange(user_, nullptr)] {
                // The offscreen platform does not report a second activation of the same window.
                if (user && QTest::qWaitFor([dialog] {
                        if (!QApplication::activeWindow() && QGuiApplication::focusWindow() == dialog->windowHandle())
                            QApplication::setActiveWindow(dialog);
                        return QApplication::activeWindow() == dialog;
                    }))
                    user();
                if (dialog->isVisible()) dialog->reject();
                HideIfOpen(*dialog);
                busy_ = nullptr;
            });
        }
    }
    // A window that should have closed is closed all the same, so that a fault fails a test
    // rather than hanging it.
    void HideIfOpen(QWidget& window) {
        if (!window.isVisible()) return;
        seen << window.objectName() + QStringLiteral(" left open");
        window.hide();
    }
    QTimer poll_;
    QWidget* busy_ = nullptr;
    std::function<void()> user_;
};

}  // namespace vantric::testing
