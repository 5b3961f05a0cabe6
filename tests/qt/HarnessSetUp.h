#pragma once
// The views harness over a freshly reset machine, shown and asked to become the active window.

#include <memory>

#include "qt/ViewsHarness.h"
#include "support/Fakes.h"
#include "support/TestState.h"

namespace vantric {

inline std::unique_ptr<qt::ViewsHarness> ShowHarness(TestState& app, fakes::FakeMessageBox& messages) {
    app.Processor.ApplyResetValues();
    auto harness = std::make_unique<qt::ViewsHarness>(app.Machine, app.Assembly, app.MemoryDump, messages);
    harness->Start();
    harness->show();
    harness->activateWindow();
    return harness;
}

}  // namespace vantric
