#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace quernel::cli {
namespace {

// One readable line per outcome, so that a table row states what it expects.
std::string Describe(const CommandLine& command_line) {
    return std::visit(
        [](const auto& request) -> std::string {
            using Request = std::decay_t<decltype(request)>;
            if constexpr (std::is_same_v<Request, ConversionRequest>) {
                return std::string(request.mode == UnpatchMode::PlainText ? "plain" : "tarrow") +
                       (request.raw ? " raw " : " text ") + request.input_path.value_or("<stdin>");
            } else if constexpr (std::is_same_v<Request, HelpRequest>) {
                return "help";
            } else if constexpr (std::is_same_v<Request, VersionRequest>) {
                return "version";
            } else {
                return "usage error: " + request.reason;
            }
        },
        command_line);
}

struct CommandLineCase {
    std::vector<std::string_view> arguments;
    std::string outcome;
};

void PrintTo(const CommandLineCase& c, std::ostream* os) {
    *os << ::testing::PrintToString(c.arguments);
}

class CommandLineTest : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLineTest, Parses) {
    EXPECT_EQ(Describe(ParseCommandLine(GetParam().arguments)), GetParam().outcome);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandLineTest,
    ::testing::Values(
        CommandLineCase{{"--plain"}, "plain text <stdin>"},
        CommandLineCase{{"--tarrow", "list.txt"}, "tarrow text list.txt"},
        CommandLineCase{{"list.txt", "--raw", "--tarrow"}, "tarrow raw list.txt"},
        CommandLineCase{{"--plain", "-"}, "plain text <stdin>"},
        CommandLineCase{{"--plain", "--plain"}, "plain text <stdin>"},
        CommandLineCase{{"--plain", "--", "--raw"}, "plain text --raw"},
        CommandLineCase{{"--plain", "--", "-"}, "plain text <stdin>"},
        CommandLineCase{{"--tarrow", "--help"}, "help"}, CommandLineCase{{"-h"}, "help"},
        CommandLineCase{{"--plain", "-h", "a.txt"}, "help"}, CommandLineCase{{"-V"}, "version"},
        CommandLineCase{{"-V", "--bogus"}, "version"},
        CommandLineCase{{"--bogus", "-V"}, "usage error: unknown option '--bogus'"},
        CommandLineCase{{"--plain", "--", "-h"}, "plain text -h"},
        CommandLineCase{{"-H"}, "usage error: unknown option '-H'"},
        CommandLineCase{{"-v"}, "usage error: unknown option '-v'"},
        CommandLineCase{{"--bogus", "--help"}, "usage error: unknown option '--bogus'"},
        CommandLineCase{{"--version", "--bogus"}, "version"},
        CommandLineCase{{}, "usage error: choose the format of the list with --tarrow or --plain"},
        CommandLineCase{{"--raw", "a.txt"},
                        "usage error: choose the format of the list with --tarrow or --plain"},
        CommandLineCase{{"--tarrow", "--plain"},
                        "usage error: --tarrow and --plain cannot be used together"},
        CommandLineCase{{"-p"}, "usage error: unknown option '-p'"},
        CommandLineCase{{"--plain", "a.txt", "b.txt"},
                        "usage error: only one FILE can be given, got 'a.txt' and 'b.txt'"}));

// Every line of the help fits a standard 80-column terminal without wrapping.
TEST(HelpText, FitsEightyColumns) {
    constexpr std::size_t kTerminalWidth = 80;
    std::string_view rest = HelpText();
    ASSERT_TRUE(rest.ends_with('\n'));
    for (int line_number = 1; !rest.empty(); ++line_number) {
        const std::string_view line = rest.substr(0, rest.find('\n'));
        EXPECT_LE(line.size(), kTerminalWidth) << "help line " << line_number << ": " << line;
        rest.remove_prefix(line.size() + 1);
    }
}

}  // namespace
}  // namespace quernel::cli
