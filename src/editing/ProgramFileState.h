#pragma once
#include <string>

#include "editing/LineBreaks.h"

namespace vantric {

// The file the program in the editor belongs to, and the editor's one-shot clipboard marker.
struct ProgramFileState {
    std::string CurrentFileName;   // full path as chosen or given on the command line; empty: untitled
    bool ProgramModified = false;  // the editor's text changed since the last New, Open or Save
    // How the file breaks its lines; saving keeps it. New programs use CR LF.
    LineBreakStyle FileLineBreaks = LineBreakStyle::CrLf;
    // Set by Ctrl+X, Ctrl+C or Ctrl+V in the editor, which performs the key itself; the Cut, Copy or
    // Paste command that the same keystroke then reaches only clears it.
    bool ClipboardKeyHandled = false;
};

}  // namespace vantric
