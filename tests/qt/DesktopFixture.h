#pragma once
// The real desktop program for widget tests: every window, the platform pieces and the logic, started
// as main starts it, with the shipped instruction set.

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "qt/DesktopApp.h"
#include "support/Fakes.h"

namespace vantric::testing {

inline QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Joins lines with CR LF, each line ending in one.
inline std::string CrLf(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) (text += line) += "\r\n";
    return text;
}

struct Desktop {
    explicit Desktop(const std::string& commandLine = "") : program(host, commandLine) {
        started = program.Start();
        if (started) {
            program.Window().activateWindow();
            active = QTest::qWaitForWindowActive(&program.Window());
        }
    }
    qt::MainWindow& window() { return program.Window(); }
    qt::RunWindow& run() { return program.RunDialog(); }
    qt::SourceEditor& editor() { return program.Window().Editor(); }
    QString panel(int n) { return program.Window().Status().PanelText(n); }
    QStringList runLines() {
        QStringList lines;
        for (int i = 0; i < run().List().count(); ++i) lines << run().List().item(i)->text();
        return lines;
    }
    // The editor's selected text, CR LF breaks.
    std::string selection() {
        const std::string text = editor().Text();
        return text.substr(static_cast<std::size_t>(editor().SelStart()),
                           static_cast<std::size_t>(editor().SelLength()));
    }
    // A key pressed in the main window, once it is active again.
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTRY_VERIFY(QApplication::activeWindow() == &window());
        QTest::keyClick(&window(), static_cast<Qt::Key>(key), modifiers);
    }

    fakes::FakeProgramHost host{VANTRIC_DATA_DIR};
    qt::DesktopApp program;
    bool started = false;
    bool active = false;
};

// While a modal window is up: answers message boxes with their default button (recording their
// text) and presses the run window's button once it reads "Close" (recording the list). `onRunning`
// sees the run window while its cycle is under way.
class ModalCloser : public QObject {
public:
    explicit ModalCloser(Desktop& desktop) : desktop_(desktop) {
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
        timer_.start();
    }
    std::function<void(qt::RunWindow&)> onRunning;
    std::function<void(qt::RunWindow&)> beforeClose;  // once the cycle is over, before Close is pressed
    QStringList closedRunLines;                       // the list as it was when Close was pressed
    QRect closedRunGeometry;
    QStringList messages;

private:
    void Poll() {
        qt::RunWindow& run = desktop_.run();
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            messages << box->windowTitle() + QStringLiteral(": ") + box->text();
            box->defaultButton() ? box->defaultButton()->click() : box->accept();
            return;
        }
        if (!run.isVisible()) return;
        if (run.StopButton().text() == QStringLiteral("Close")) {
            if (beforeClose) beforeClose(run);
            closedRunLines = desktop_.runLines();
            closedRunGeometry = run.frameGeometry();
            QTest::mouseClick(&run.StopButton(), Qt::LeftButton);
        } else if (onRunning) {
            onRunning(run);
        }
    }
    Desktop& desktop_;
    QTimer timer_;
};

}  // namespace vantric::testing
