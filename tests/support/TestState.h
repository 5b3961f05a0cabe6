#pragma once
// The shared data a test builds, as a program's main does: the instruction set, the assembler's
// tables and the engine that reads them, the grid's columns and the dialog fields' setting.

#include "core/AssemblyTables.h"
#include "core/InstructionTable.h"
#include "core/Machine.h"
#include "core/MemoryDumpSettings.h"
#include "memtools/DialogFields.h"

namespace vantric {

struct TestState {
    InstructionTable Instructions;
    AssemblyTables Assembly;
    vantric::Machine Machine{Assembly};
    ProcessorState& Processor = Machine.State();
    MemoryDumpSettings MemoryDump;
    DialogFieldState DialogFields;
};

}  // namespace vantric
