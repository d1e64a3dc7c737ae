// The 64 MiB output bound holds for the output's CR LF form, the one the window shows, whatever
// line ends quernel-unpatch writes and whatever the list holds: a list of nothing but copied lines
// with LF line ends fails while its written output is still well under 64 MiB.

#include <gtest/gtest.h>

#include <string>

#include "tests/cli/program_run.h"

namespace quernel::testing {
namespace {

// 14 characters: with CR LF 16 bytes, so 4 Mi lines make exactly 64 MiB.
const std::string kLine = "Copied line 14";
constexpr int kLinesAtBound = 1 << 22;

std::string CopiedLines(int count) {
    std::string lines;
    lines.reserve(static_cast<std::size_t>(count) * (kLine.size() + 1));
    for (int i = 0; i < count; ++i) {
        lines += kLine;
        lines += '\n';
    }
    return lines;
}

struct LfBoundCase {
    std::string name;
    int lines;
    int exit_status;
    std::string standard_error;
};

void PrintTo(const LfBoundCase& c, std::ostream* os) {
    *os << c.name;
}

class LfOutputBoundTest : public ::testing::TestWithParam<LfBoundCase> {};

TEST_P(LfOutputBoundTest, CountsTheCrLfForm) {
    const LfBoundCase& c = GetParam();
    const std::string list = CopiedLines(c.lines);

    const ProgramResult result = RunProgram(QUERNEL_UNPATCH_PATH, {"--plain"}, list);

    EXPECT_EQ(result.exit_status, c.exit_status);
    EXPECT_EQ(result.standard_error, c.standard_error);
    EXPECT_TRUE(result.standard_output == (c.exit_status == 0 ? list : ""))
        << result.standard_output.size() << " bytes written for a list of " << list.size();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LfOutputBoundTest,
    ::testing::Values(LfBoundCase{"AtBound", kLinesAtBound, 0, ""},
                      LfBoundCase{"OneLineOver", kLinesAtBound + 1, 1,
                                  "quernel-unpatch: line 4194305: OutOfRange: the output would "
                                  "grow past 64 MiB; convert the list in smaller parts\n"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace quernel::testing
