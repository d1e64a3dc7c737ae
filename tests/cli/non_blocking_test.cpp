// quernel-unpatch handed non-blocking pipes waits for them instead of failing.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/cli/program_run.h"

namespace quernel::testing {
namespace {

constexpr char kProgram[] = QUERNEL_UNPATCH_PATH;

std::string Repeat(const std::string& text, int times) {
    std::string repeated;
    for (int i = 0; i < times; ++i) {
        repeated += text;
    }
    return repeated;
}

// Megabytes each way, far more than a pipe holds.
const std::string kList = Repeat("50000302 0001\n80010000 0005\n", 100000);
const std::string kExpanded = Repeat("80010000 0005\n80010002 0006\n80010004 0007\n", 100000);

struct NonBlockingCase {
    std::string name;
    // Read from a file instead of standard input.
    bool from_file;
};

void PrintTo(const NonBlockingCase& c, std::ostream* os) {
    *os << c.name;
}

class NonBlockingTest : public ::testing::TestWithParam<NonBlockingCase> {};

TEST_P(NonBlockingTest, WaitsForThePipes) {
    const std::filesystem::path file =
        std::filesystem::path(::testing::TempDir()) / ("quernel-nonblocking-" + GetParam().name);
    std::vector<std::string> arguments{"--plain"};
    std::string standard_input = kList;
    if (GetParam().from_file) {
        std::ofstream(file, std::ios::binary) << kList;
        arguments.push_back(file.string());
        standard_input.clear();
    }

    const ProgramResult result =
        RunProgram(kProgram, arguments, standard_input, {.non_blocking_pipes = true});
    std::filesystem::remove(file);

    EXPECT_EQ(result.standard_error, "");
    EXPECT_EQ(result.exit_status, 0);
    EXPECT_TRUE(result.standard_output == kExpanded)
        << result.standard_output.size() << " bytes instead of " << kExpanded.size();
}

INSTANTIATE_TEST_SUITE_P(Cases, NonBlockingTest,
                         ::testing::Values(NonBlockingCase{"InputAndOutputPipes", false},
                                           NonBlockingCase{"FileToOutputPipe", true}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace quernel::testing
