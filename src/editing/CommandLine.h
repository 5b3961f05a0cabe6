#pragma once
#include <string>
#include <vector>

namespace vantric {

// The command line as the program reads it: its arguments joined by single spaces.
inline std::string JoinCommandLine(const std::vector<std::string>& arguments) {
    std::string line;
    for (const std::string& argument : arguments) {
        if (!line.empty()) line += ' ';
        line += argument;
    }
    return line;
}

// The program file a command line names: a line that starts with a double quote loses its first and
// last characters; any other line is the name as it stands, spaces included. Empty: no file.
inline std::string StartupFileName(const std::string& commandLine) {
    if (commandLine.empty() || commandLine.front() != '"') return commandLine;
    return commandLine.size() < 2 ? std::string() : commandLine.substr(1, commandLine.size() - 2);
}

}  // namespace vantric
