#pragma once
// A whole machine wired to fakes: real assembler, interpreter, run window logic and step mode.

#include <gtest/gtest.h>

#include <memory>

#include "assembler/Compiler.h"
#include "control/MachineDisplay.h"
#include "control/RunCycle.h"
#include "control/RunWindowPresenter.h"
#include "control/StepController.h"
#include "core/InstructionSetFile.h"
#include "support/FakeRunWindow.h"
#include "support/Fakes.h"
#include "support/TestState.h"

namespace vantric {

// Joins lines with CR LF, each line ending in one.
inline std::string Source(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) (text += line) += "\r\n";
    return text;
}

class ControlFixture : public ::testing::Test {
protected:
    ControlFixture() {
        window.onActivate = [this] { run.OnShown(); };
        app->Machine.SetObserver(&display);
    }

    // The state as start-up leaves it: the shipped instruction set loaded, the processor reset.
    static std::unique_ptr<TestState> StartedApp() {
        auto started = std::make_unique<TestState>();
        const auto read = ReadInstructionSetFile(VANTRIC_DATA_DIR "/InstSet.Dat", started->Instructions);
        EXPECT_EQ(read.Status, InstructionSetReadStatus::Ok);
        started->Machine.LoadTimings(started->Instructions);
        started->Machine.Reset();
        return started;
    }

    void Load(const std::string& text) {
        editor.SetText(text);
        app->Assembly.RecompileNeeded = true;
    }
    const std::vector<std::string>& Lines() const { return window.list.items; }

    std::unique_ptr<TestState> app = StartedApp();
    fakes::FakeEditor editor;
    fakes::FakeStatusBar status;
    fakes::FakeMessageBox messages;
    fakes::FakeEventPump pump;
    fakes::FakeClock clock;
    fakes::FakeMachineViews views;
    fakes::FakeMemoryGrid grid;
    fakes::FakeRunWindow window;
    MachineDisplay display{window.list, editor, views};
    Compiler compiler{app->Processor, app->Instructions, app->Assembly, editor, status, pump};
    RunCycle cycle{app->Machine, app->Assembly, compiler, window.list, editor, status, messages, pump, clock, views};
    RunWindowPresenter run{cycle, window};
    StepController step{app->Machine, app->Assembly, cycle, run, editor, status, messages, views};
};

}  // namespace vantric
