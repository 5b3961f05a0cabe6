#include "control/RunWindowPresenter.h"

namespace vantric {

namespace {
constexpr const char* kStop = "Stop";
constexpr const char* kPause = "Pause";
constexpr const char* kClose = "Close";
}  // namespace

RunWindowPresenter::RunWindowPresenter(AppState& app, RunCycle& cycle, platform::RunWindowView& window)
    : app_(app), cycle_(cycle), window_(window) {
    cycle_.SetListener(this);
}

RunWindowPresenter::~RunWindowPresenter() { cycle_.SetListener(nullptr); }

void RunWindowPresenter::BeginCompile() {
    cycle_.PrepareCompile();
    window_.ShowModal();
}

void RunWindowPresenter::BeginRun() {
    cycle_.PrepareRun();
    window_.ShowModal();
}

void RunWindowPresenter::btnStop_Click() {
    if (window_.StopButtonCaption() == kClose)
        window_.Hide();
    else
        cycle_.RequestStop();
}

void RunWindowPresenter::Form_Unload() { btnStop_Click(); }

void RunWindowPresenter::chkMonitorMem_Click(bool checked) { app_.Processor.MonitorMemory = checked; }

void RunWindowPresenter::chkMonitorReg_Click(bool checked) { app_.Processor.MonitorRegisters = checked; }

void RunWindowPresenter::PhaseChanged(RunCyclePhase phase) {
    window_.SetStopButtonCaption(phase == RunCyclePhase::Assembling ? kStop
                                 : phase == RunCyclePhase::Running  ? kPause
                                                                    : kClose);
}

void RunWindowPresenter::Form_Activate() {
    window_.SetMonitorRegistersChecked(app_.Processor.MonitorRegisters);
    window_.SetMonitorMemoryChecked(app_.Processor.MonitorMemory);
    lastOutcome_ = cycle_.Activate();
    if (lastOutcome_ == RunOutcome::CompileFailed)
        window_.ProgressList().AddItem("Press 'Close' to see the line containing the error");
    // At a breakpoint the window closes by itself, so the user sees the line and can go on.
    if (lastOutcome_ == RunOutcome::Breakpoint) window_.Hide();
}

}  // namespace vantric
