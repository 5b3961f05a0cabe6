#pragma once
// Reading a program file for the headless runner.

#include <ostream>
#include <string>

#include "cli/ConsolePlatform.h"

namespace vantric::console {

struct ProgramFileText {
    bool Ok = false;
    std::string Text;   // the file's bytes, one character each, with every line break as CR LF
    std::string Error;  // when not Ok: the file's name and why it could not be read
};

// Reads `path` as bytes (Latin-1). CR LF breaks stay, a LF without a CR before it becomes CR LF;
// a lone CR is kept as an ordinary character.
ProgramFileText ReadProgramFile(const std::string& path);

// Reads `path` into `editor`; when it cannot be read, says why on `err` and returns false.
bool LoadProgramIntoEditor(const std::string& path, ConsoleEditor& editor, std::ostream& err);

}  // namespace vantric::console
