#include "control/RunWindowPresenter.h"

namespace vantric {

namespace {
constexpr const char* kStop = "Stop";
constexpr const char* kPause = "Pause";
constexpr const char* kClose = "Close";
}  // namespace

RunWindowPresenter::RunWindowPresenter(RunCycle& cycle, platform::RunWindowView& window)
    : cycle_(cycle), window_(window) {
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

void RunWindowPresenter::OnStopButtonClicked() {
    if (window_.StopButtonCaption() == kClose)
        window_.Hide();
    else
        cycle_.RequestStop();
}

void RunWindowPresenter::PhaseChanged(RunCyclePhase phase) {
    window_.SetStopButtonCaption(phase == RunCyclePhase::Assembling ? kStop
                                 : phase == RunCyclePhase::Running  ? kPause
                                                                    : kClose);
}

void RunWindowPresenter::OnShown() {
    window_.SetMonitorRegistersChecked(cycle_.State().MonitorRegisters);
    window_.SetMonitorMemoryChecked(cycle_.State().MonitorMemory);
    lastOutcome_ = cycle_.Activate();
    if (lastOutcome_ == RunOutcome::CompileFailed)
        window_.ProgressList().AddItem("Press 'Close' to see the line containing the error");
    // At a breakpoint or the run's target the window closes by itself, so the user sees the line
    // and can go on.
    if (lastOutcome_ == RunOutcome::Breakpoint || lastOutcome_ == RunOutcome::TargetReached) window_.Hide();
}

}  // namespace vantric
