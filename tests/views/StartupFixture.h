#pragma once
// The main window's start-up on top of the fake machine: the main window, splash and host fakes, and
// the program files behind the caption and the command-line file.

#include <string>
#include <vector>

#include "control/ControlFixture.h"
#include "editing/LocalFileStore.h"
#include "editing/ProgramFiles.h"
#include "support/FakeEditing.h"
#include "support/FakeMainWindow.h"
#include "views/MainWindowPresenter.h"

namespace vantric {

class StartupFixture : public ControlFixture {
protected:
    MainWindowParts Parts() {
        return MainWindowParts{app->Instructions,
                               app->Machine,
                               app->Assembly,
                               app->MemoryDump,
                               mainWindow,
                               status,
                               splash,
                               messages,
                               host,
                               pump,
                               grid,
                               views,
                               step,
                               files};
    }

    std::vector<std::string> log;
    fakes::FakeMainWindowView mainWindow{log};
    fakes::FakeSplashWindow splash{log};
    fakes::FakeProgramHost host{VANTRIC_DATA_DIR};
    fakes::FakeFileDialogs dialogs;
    LocalFileStore store;
    ProgramFiles files{{mainWindow, editor, messages, dialogs, store, step, views, status}};
};

}  // namespace vantric
