#include <gtest/gtest.h>

#include "engine/unpatch_failure.h"

namespace quernel {
namespace {

TEST(UnpatchFailure, MessageNamesLineKindAndExplanation) {
    const UnpatchFailure failure(FailureKind::NoNextLine, 7,
                                 "the repeater code has no line after it");
    EXPECT_EQ(failure.kind(), FailureKind::NoNextLine);
    EXPECT_EQ(failure.line(), 7);
    EXPECT_STREQ(failure.what(), "line 7: NoNextLine: the repeater code has no line after it");
}

}  // namespace
}  // namespace quernel
