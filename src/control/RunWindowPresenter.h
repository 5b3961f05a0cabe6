#pragma once
// The run window's behaviour: one assemble-and-run cycle each time the window is shown, its button
// and its two monitoring check boxes.

#include "control/RunCycle.h"
#include "platform/RunWindowView.h"
#include "shell/AppState.h"

namespace vantric {

class RunWindowPresenter : private RunCycleListener {
public:
    RunWindowPresenter(AppState& app, RunCycle& cycle, platform::RunWindowView& window);
    ~RunWindowPresenter() override;

    // Opens the window to assemble only. Both do nothing while a step is in progress.
    void BeginCompile();
    // Opens the window to run: a new run from the start address, or the paused or stepping program resumed.
    void BeginRun();

    void Form_Activate();
    void btnStop_Click();
    void Form_Unload();
    void chkMonitorMem_Click(bool checked);
    void chkMonitorReg_Click(bool checked);

    bool EditorLocked() const { return cycle_.EditorLocked(); }
    // How the last cycle ended.
    RunOutcome LastOutcome() const { return lastOutcome_; }

private:
    void PhaseChanged(RunCyclePhase phase) override;

    AppState& app_;
    RunCycle& cycle_;
    platform::RunWindowView& window_;
    RunOutcome lastOutcome_ = RunOutcome::Compiled;
};

}  // namespace vantric
