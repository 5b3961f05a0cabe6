#pragma once
// The instruction table of data/InstSet.Dat, read once for all assembler tests.

#include <gtest/gtest.h>

#include "core/InstructionSetFile.h"

namespace vantric::testing {

inline const InstructionTable& ShippedInstructionSet() {
    static const InstructionTable table = [] {
        InstructionTable t{};
        const auto result = ReadInstructionSetFile(VANTRIC_DATA_DIR "/InstSet.Dat", t);
        EXPECT_EQ(result.Status, InstructionSetReadStatus::Ok) << result.Reason;
        return t;
    }();
    return table;
}

}  // namespace vantric::testing
