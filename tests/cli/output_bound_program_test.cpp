// quernel-unpatch keeps the 64 MiB output bound as the engine does: the whole output at the
// bound, and past it a report at the repeater code whose lines pass it and nothing written.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/cli/program_run.h"
#include "tests/support/bound_lists.h"

namespace quernel::testing {
namespace {

struct BoundProgramCase {
    UnpatchMode mode;
    std::size_t silent_bytes;
    BoundOutcome outcome;
};

class OutputBoundProgramTest : public ::testing::TestWithParam<BoundProgramCase> {};

TEST_P(OutputBoundProgramTest, WritesAllOrNothing) {
    const BoundProgramCase& c = GetParam();
    const BoundList list = MakeBoundList(c.mode, c.silent_bytes, c.outcome);
    const ProgramResult result =
        RunProgram(QUERNEL_UNPATCH_PATH,
                   {c.mode == UnpatchMode::PlainText ? "--plain" : "--tarrow"}, list.input);
    if (list.failing_line != 0) {
        EXPECT_EQ(result.exit_status, 1);
        EXPECT_EQ(result.standard_output.size(), 0u);
        EXPECT_EQ(result.standard_error, "quernel-unpatch: line " +
                                             std::to_string(list.failing_line) +
                                             ": OutOfRange: the output would grow past 64 MiB; "
                                             "convert the list in smaller parts\n");
        return;
    }
    EXPECT_EQ(result.exit_status, 0) << result.standard_error;
    EXPECT_TRUE(result.standard_output == list.expected_output)
        << "output of " << result.standard_output.size() << " bytes, first difference at byte "
        << FirstDifference(result.standard_output, list.expected_output);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OutputBoundProgramTest,
    ::testing::Values(
        BoundProgramCase{UnpatchMode::TarrowFormat, 700 * 1024, BoundOutcome::AtBound},
        BoundProgramCase{UnpatchMode::TarrowFormat, 700 * 1024, BoundOutcome::OneOver},
        BoundProgramCase{UnpatchMode::TarrowFormat, 700 * 1024, BoundOutcome::FarOver},
        BoundProgramCase{UnpatchMode::PlainText, 8 << 20, BoundOutcome::AtBound},
        BoundProgramCase{UnpatchMode::PlainText, 8 << 20, BoundOutcome::FarOver}),
    [](const auto& info) {
        const BoundProgramCase& c = info.param;
        return std::string(c.mode == UnpatchMode::PlainText ? "Plain" : "Tarrow") +
               std::string(BoundOutcomeName(c.outcome));
    });

}  // namespace
}  // namespace quernel::testing
