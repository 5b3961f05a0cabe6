#pragma once
#include <string>

#include "editing/LineBreaks.h"

namespace vantric {

// The file the program in the editor belongs to.
struct ProgramFileState {
    std::string CurrentFileName;   // full path as chosen or given on the command line; empty: untitled
    bool ProgramModified = false;  // the editor's text changed since the last New, Open or Save
    // How the file breaks its lines; saving keeps it. New programs use CR LF.
    LineBreakStyle FileLineBreaks = LineBreakStyle::CrLf;
};

}  // namespace vantric
