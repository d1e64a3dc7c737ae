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

TEST(UnpatchFailure, LineNumbersPastFourBillionStayWhole) {
    // A list of empty lines reaches 2^32 lines at 8 GiB: the line must not wrap to a small number.
    const LineNumber line = (LineNumber{1} << 32) + 5;
    const UnpatchFailure failure(FailureKind::BadPosition, line, "the entry has no second bar");
    EXPECT_EQ(failure.line(), line);
    EXPECT_STREQ(failure.what(), "line 4294967301: BadPosition: the entry has no second bar");
}

}  // namespace
}  // namespace quernel
