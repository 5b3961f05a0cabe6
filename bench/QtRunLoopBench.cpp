// Emulated instructions per second of processor time of the run loop through the desktop program's
// real run window: the program started as main starts it, F5 on a never-ending loop, the run paused
// by an instruction limit. Compare with EngineBench (headless).
//
//   build/release/bin/QtRunLoopBench [instructions] [--every-yield] [--monitor-memory] [--monitor-registers]
//
// Both monitoring options are off unless asked for; the loop stores into 2000H, which the grid shows.
// --every-yield runs Qt's event loop at every yield (no wake-up watcher), for comparison. Without a
// display the offscreen platform is used.

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "ProcessorTime.h"
#include "qt/DesktopApp.h"
#include "qt/QtPlatform.h"

using namespace vantric;
using bench::ProcessorSeconds;

namespace {

// The program of RunLoopBench: a nested countdown with memory traffic and a call per inner pass, and
// 300 breakpoints on code it never reaches.
std::string LoopProgram(int breakpoints) {
    std::string text =
        ";ORG 1000H\r\n"
        "        LXI SP,0F000H\r\n"
        "OUTER:  MVI B,0FFH\r\n"
        "INNER:  LDA 2000H\r\n"
        "        INR A\r\n"
        "        STA 2000H\r\n"
        "        CALL WORK\r\n"
        "        DCR B\r\n"
        "        JNZ INNER\r\n"
        "        JMP OUTER\r\n"
        "WORK:   MOV C,A\r\n"
        "        RET\r\n"
        "        HLT\r\n";
    for (int i = 0; i < breakpoints; ++i) text += ";BREAK\r\n        NOP\r\n";
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    long long instructions = 300000000LL;
    bool everyYield = false;
    bool monitorMemory = false;
    bool monitorRegisters = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--every-yield") == 0)
            everyYield = true;
        else if (std::strcmp(argv[i], "--monitor-memory") == 0)
            monitorMemory = true;
        else if (std::strcmp(argv[i], "--monitor-registers") == 0)
            monitorRegisters = true;
        else
            instructions = std::atoll(argv[i]);
    }
    QApplication application(argc, argv);

    qt::QtProgramHost host;
    qt::DesktopApp desktop(host, "", !everyYield);
    if (!desktop.Start()) return 1;
    desktop.Window().Editor().SetText(LoopProgram(300));
    // Nothing here is the user's work: quitting closes the main window, which must not stop to ask
    // whether to save it.
    desktop.Files().MarkSaved();
    desktop.Cycle().SetInstructionLimit(static_cast<std::uint64_t>(instructions));

    // The run ends when "Execution paused" is appended; Close is pressed once the cycle is over, as a
    // user would. Nothing else is scheduled, so the event loop runs only for what Qt itself has to do.
    double start = 0;
    double seconds = 0;
    QListWidget& list = desktop.RunDialog().List();
    QObject::connect(list.model(), &QAbstractItemModel::rowsInserted, [&] {
        if (list.item(list.count() - 1)->text() != QStringLiteral("Execution paused")) return;
        seconds = ProcessorSeconds() - start;
        QTimer::singleShot(0, &desktop.RunDialog().StopButton(), &QPushButton::click);
    });
    QTimer::singleShot(0, [&] {
        desktop.Cycle().SetMonitorMemory(monitorMemory);
        desktop.Cycle().SetMonitorRegisters(monitorRegisters);
        start = ProcessorSeconds();
        desktop.Commands().Execute(CommandId::Run);  // as F5 does
        QApplication::quit();
    });
    QApplication::exec();

    if (desktop.RunPresenter().LastOutcome() != RunOutcome::InstructionLimit || seconds <= 0) {
        std::fprintf(stderr, "the run did not go as planned\n");
        return 1;
    }
    std::printf(
        "run loop (Qt run window, %s, %s%s%s): %lld instructions in %.3f s of processor time = %.1f "
        "million/s, event loop run %lld times\n",
        QGuiApplication::platformName().toUtf8().constData(),
        desktop.Pump().WatchesWakeUps() ? "wake-up watcher" : "event loop at every yield",
        monitorMemory ? ", memory monitored" : "", monitorRegisters ? ", registers monitored" : "", instructions,
        seconds, instructions / seconds / 1e6, desktop.Pump().LoopRuns());
    return 0;
}
