#pragma once
#include <cstdint>

namespace vantric {

// Told about every instruction the run loop executes, after it has executed.
class ExecutionTrace {
public:
    virtual ~ExecutionTrace() = default;
    virtual void AfterInstruction(std::int32_t address, std::uint8_t opcode) = 0;
};

}  // namespace vantric
