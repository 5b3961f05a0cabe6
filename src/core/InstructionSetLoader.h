#pragma once
// Start-up loading and checking of InstSet.Dat, with its status texts and failure path.

#include <string>

#include "core/InstructionTable.h"
#include "platform/MessageBox.h"
#include "platform/ProgramHost.h"
#include "platform/StatusBar.h"
#include "platform/Window.h"

namespace vantric {

inline constexpr const char* kInstructionSetFileName = "InstSet.Dat";

enum class InstructionSetLoadOutcome {
    Loaded,       // every defined opcode present: "Finished loading instruction set"
    CheckFailed,  // loaded, but missing or extra opcodes; the program goes on with the table as read
    Ended,        // the file was missing or unreadable and the program was asked to end
};

class InstructionSetLoader {
public:
    // `pathOverride`, when not empty, replaces the file beside the executable.
    InstructionSetLoader(InstructionTable& table, platform::StatusBar& status, platform::Window& splash,
                         platform::MessageBox& messages, platform::ProgramHost& host, std::string pathOverride = {});

    InstructionSetLoadOutcome LoadInstructionSet();

    std::string InstructionSetPath() const;

private:
    InstructionTable& table_;
    platform::StatusBar& status_;
    platform::Window& splash_;
    platform::MessageBox& messages_;
    platform::ProgramHost& host_;
    std::string pathOverride_;
};

}  // namespace vantric
