#pragma once
#include <string>

#include "platform/ListBox.h"

namespace vantric::platform {

// The run window ("Simulation"): a progress list, one Stop/Pause/Close button and the two monitoring
// check boxes. Shown modally; each showing activates it once, which runs one assemble-and-run cycle.
class RunWindowView {
public:
    virtual ~RunWindowView() = default;
    // Shows the window modally and returns when it has been hidden again.
    virtual void ShowModal() = 0;
    virtual void Hide() = 0;
    virtual ListBox& ProgressList() = 0;
    virtual void SetStopButtonCaption(const std::string& caption) = 0;
    virtual std::string StopButtonCaption() const = 0;
    virtual void SetMonitorMemoryChecked(bool checked) = 0;
    virtual void SetMonitorRegistersChecked(bool checked) = 0;
};

}  // namespace vantric::platform
