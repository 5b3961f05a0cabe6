#pragma once
// The instruction table of data/InstSet.Dat, read once for all tests that assemble or run.

#include <gtest/gtest.h>

#include "core/InstructionSetFile.h"

namespace vantric::testing {

inline const InstructionTable& ShippedInstructionSet() {
    static const InstructionTable table = [] {
        InstructionTable t{};
        EXPECT_EQ(ReadInstructionSetFile(VANTRIC_DATA_DIR "/InstSet.Dat", t).Status, InstructionSetReadStatus::Ok);
        return t;
    }();
    return table;
}

}  // namespace vantric::testing
