#pragma once

#include <gtest/gtest.h>

#include "engine/unpatch_failure.h"

namespace quernel::testing {

// Runs action, which must throw an UnpatchFailure of kind at line (line 0: a helper outside a run).
// Returns the failure's message so that callers can check its wording.
template <typename Action>
std::string ExpectFailure(FailureKind kind, LineNumber line, Action&& action) {
    try {
        action();
    } catch (const UnpatchFailure& failure) {
        EXPECT_EQ(FailureKindName(failure.kind()), FailureKindName(kind)) << failure.what();
        EXPECT_EQ(failure.line(), line) << failure.what();
        return failure.what();
    }
    ADD_FAILURE() << "expected " << FailureKindName(kind) << ", but nothing failed";
    return {};
}

}  // namespace quernel::testing
