// The source editor's cost with line numbers and colours, through the desktop program as main starts
// it: the time to show a long program (the text set as opening a file sets it, coloured and drawn),
// then the time per keystroke typed in its middle (each key and a Backspace, each followed by the
// event loop's drawing), in processor time.
//
//   build/release/bin/QtEditorBench [lines] [keystrokes]     # default 10000 lines, 400 keystrokes
//
// Without a display the offscreen platform is used.

#include <QApplication>
#include <QKeyEvent>
#include <QTextBlock>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ProcessorTime.h"
#include "qt/DesktopApp.h"
#include "qt/QtPlatform.h"

using namespace vantric;
using bench::ProcessorSeconds;

namespace {

// Lines of every kind the colouring tells apart, in blocks of ten.
std::string LongProgram(int lines) {
    static const char* const kBlock[] = {"; block %d: copies a table",
                                         "L%d:  LXI H,2000H",
                                         "      MVI B,0AH     ; count",
                                         "      MOV A,M",
                                         "      ADD B",
                                         ";BREAK",
                                         "      DCR B",
                                         "      JNZ L%d",
                                         "T%d:  DB 12H,0FFH,'ab'",
                                         "K%d   EQU 1234H"};
    std::string text;
    char line[64];
    for (int i = 0; i < lines; ++i) {
        std::snprintf(line, sizeof line, kBlock[i % 10], i / 10);
        text += line;
        text += "\r\n";
    }
    return text;
}

void Key(QWidget& target, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(&target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(&target, &release);
    QApplication::processEvents();
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const int lines = argc > 1 ? std::max(10, std::atoi(argv[1])) : 10000;
    const int keystrokes = argc > 2 ? std::max(2, std::atoi(argv[2])) : 400;
    QApplication application(argc, argv);

    qt::QtProgramHost host;
    qt::DesktopApp desktop(host, "", true);
    if (!desktop.Start()) return 1;
    desktop.Window().show();
    QApplication::processEvents();
    qt::SourceEditor& editor = desktop.Window().Editor();

    const std::string program = LongProgram(lines);
    double start = ProcessorSeconds();
    editor.SetText(program);
    QApplication::processEvents();
    const double openSeconds = ProcessorSeconds() - start;

    // The caret to the middle, at the end of a label line, shown as a user would scroll there.
    editor.setFocus();
    QTextCursor caret(editor.document()->findBlockByNumber(lines / 2 + 1));
    caret.movePosition(QTextCursor::EndOfBlock);
    editor.setTextCursor(caret);
    editor.ensureCursorVisible();
    QApplication::processEvents();

    std::vector<double> times;
    times.reserve(static_cast<std::size_t>(keystrokes));
    for (int i = 0; i < keystrokes; ++i) {
        start = ProcessorSeconds();
        if (i % 2 == 0)
            Key(editor, Qt::Key_X, QStringLiteral("X"));
        else
            Key(editor, Qt::Key_Backspace, QString());
        times.push_back(ProcessorSeconds() - start);
    }
    std::sort(times.begin(), times.end());
    double total = 0;
    for (const double t : times) total += t;

    if (editor.Text() != program) {
        std::fprintf(stderr, "the typed text did not come out as planned\n");
        return 1;
    }
    desktop.Files().MarkSaved();
    std::printf(
        "editor (%s): %d lines shown in %.1f ms; per keystroke: mean %.3f ms, median %.3f ms, slowest %.3f ms "
        "(%d keystrokes)\n",
        QGuiApplication::platformName().toUtf8().constData(), lines, openSeconds * 1000, total / keystrokes * 1000,
        times[times.size() / 2] * 1000, times.back() * 1000, keystrokes);
    return 0;
}
