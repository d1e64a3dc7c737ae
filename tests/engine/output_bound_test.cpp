// The 64 MiB output bound holds whatever stands before the repeater codes that reach it: the
// output's room is first made from the input's size, so long stretches of lines that make no
// output start the output with large room.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "engine/output_text.h"
#include "engine/unpatch.h"
#include "tests/engine/expect_failure.h"
#include "tests/support/bound_lists.h"

namespace quernel {
namespace {

using testing::BoundOutcome;

constexpr std::size_t kKiB = 1024;
constexpr std::size_t kMiB = 1024 * kKiB;

class OutputBoundTest
    : public ::testing::TestWithParam<std::tuple<UnpatchMode, std::size_t, BoundOutcome>> {};

TEST_P(OutputBoundTest, HoldsAfterAnySilentStretch) {
    const auto [mode, silent_bytes, outcome] = GetParam();
    const testing::BoundList list = testing::MakeBoundList(mode, silent_bytes, outcome);
    if (list.failing_line != 0) {
        testing::ExpectFailure(FailureKind::OutOfRange, list.failing_line,
                               [&] { Unpatch(mode, list.input); });
        return;
    }
    const std::string output = Unpatch(mode, list.input);
    ASSERT_EQ(output.size(), kMaxOutputBytes);
    EXPECT_TRUE(output == list.expected_output)
        << "first difference at byte " << testing::FirstDifference(output, list.expected_output);
}

std::string CaseName(
    const ::testing::TestParamInfo<std::tuple<UnpatchMode, std::size_t, BoundOutcome>>& info) {
    const auto [mode, silent_bytes, outcome] = info.param;
    return std::string(mode == UnpatchMode::PlainText ? "Plain" : "Tarrow") + "Silent" +
           std::to_string(silent_bytes / kKiB) + "KiB" +
           std::string(testing::BoundOutcomeName(outcome));
}

INSTANTIATE_TEST_SUITE_P(
    BothFormats, OutputBoundTest,
    ::testing::Combine(::testing::Values(UnpatchMode::PlainText, UnpatchMode::TarrowFormat),
                       ::testing::Values(std::size_t{0}, 4 * kKiB, 700 * kKiB, 8 * kMiB, 70 * kMiB),
                       ::testing::Values(BoundOutcome::AtBound, BoundOutcome::OneOver,
                                         BoundOutcome::FarOver)),
    CaseName);

}  // namespace
}  // namespace quernel
