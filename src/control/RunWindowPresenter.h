#pragma once
// The run window's behaviour: one assemble-and-run cycle each time the window is shown, its
// Stop/Pause/Close button and its two monitoring check boxes.

#include "control/RunCycle.h"
#include "platform/RunWindowView.h"

namespace vantric {

class RunWindowPresenter : private RunCycleListener {
public:
    RunWindowPresenter(RunCycle& cycle, platform::RunWindowView& window);
    ~RunWindowPresenter() override;
    RunWindowPresenter(const RunWindowPresenter&) = delete;
    RunWindowPresenter& operator=(const RunWindowPresenter&) = delete;

    // Opens the window to assemble only.
    void BeginCompile();
    // Opens the window to run: a new run from the start address, or the paused or stepping program resumed.
    void BeginRun();

    // The window has been shown: one cycle runs.
    void OnShown();
    void OnStopButtonClicked();
    // The close box or Escape: Stop while the cycle runs, Close afterwards.
    void OnCloseRequested() { OnStopButtonClicked(); }
    void OnMonitorMemoryToggled(bool checked) { cycle_.SetMonitorMemory(checked); }
    void OnMonitorRegistersToggled(bool checked) { cycle_.SetMonitorRegisters(checked); }

    // How the last cycle ended.
    RunOutcome LastOutcome() const { return lastOutcome_; }

private:
    void PhaseChanged(RunCyclePhase phase) override;

    RunCycle& cycle_;
    platform::RunWindowView& window_;
    RunOutcome lastOutcome_ = RunOutcome::Compiled;
};

}  // namespace vantric
