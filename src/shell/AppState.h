#pragma once
// The process-wide state: created once by main (or by each test) and passed by reference.

#include "assembler/AssemblyTables.h"
#include "control/ExecutionControlState.h"
#include "core/InstructionTable.h"
#include "core/Machine.h"
#include "core/MemoryDumpSettings.h"
#include "core/ProcessorState.h"
#include "editing/ProgramFileState.h"
#include "memtools/DialogFields.h"
#include "views/MainWindowState.h"

namespace vantric {

struct AppState {
    AssemblyTables Assembly;
    // The engine reads the assembler's tables, so it comes after them.
    vantric::Machine Machine{Assembly};
    ProcessorState& Processor = Machine.State();
    InstructionTable Instructions;
    MemoryDumpSettings MemoryDump;
    ExecutionControlState Control;
    ProgramFileState ProgramFile;
    MainWindowState MainWindow;
    DialogFieldState DialogFields;
};

}  // namespace vantric
