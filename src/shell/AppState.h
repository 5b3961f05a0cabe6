#pragma once
// The process-wide state: created once by main (or by each test) and passed by reference.

#include "assembler/AssemblyTables.h"
#include "control/ExecutionControlState.h"
#include "core/InstructionTable.h"
#include "core/MemoryDumpSettings.h"
#include "core/ProcessorState.h"
#include "editing/ProgramFileState.h"
#include "memtools/DialogFields.h"
#include "views/MainWindowState.h"

namespace vantric {

struct AppState {
    ProcessorState Processor;
    InstructionTable Instructions;
    MemoryDumpSettings MemoryDump;
    AssemblyTables Assembly;
    ExecutionControlState Control;
    ProgramFileState ProgramFile;
    MainWindowState MainWindow;
    DialogFieldState DialogFields;
};

}  // namespace vantric
