// Runs the built quernel-unpatch as a user would: arguments, standard input, files, exit status.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "tests/cli/program_run.h"

namespace quernel::testing {
namespace {

constexpr char kProgram[] = QUERNEL_UNPATCH_PATH;
// Stands in an argument list for the path of the case's input file.
constexpr char kFile[] = "{FILE}";

struct ProgramCase {
    std::string name;
    std::vector<std::string> arguments;
    std::string standard_input;
    // Written to the input file; without it the file does not exist.
    std::optional<std::string> file_content;
    int exit_status;
    std::string standard_output;
    // The report on standard error starts with this; empty when there must be no report.
    std::string report_start;
};

void PrintTo(const ProgramCase& c, std::ostream* os) {
    *os << c.name;
}

std::string Repeat(const std::string& line, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) {
        text += line;
    }
    return text;
}

const std::string kPlainLf = "50000302 0001\n80010000 0005\n";
const std::string kPlainLfOut = "80010000 0005\n80010002 0006\n80010004 0007\n";
const std::string kPlainCrLf = "50000302 0001\r\n80010000 0005\r\n";
const std::string kPlainCrLfOut = "80010000 0005\r\n80010002 0006\r\n80010004 0007\r\n";
const std::string kEntry = "Alpha|50000304 0001    20100000 0010|";
const std::string kEntryLfOut =
    "Alpha 1|20100000 0010|\nAlpha 2|20100004 0011|\nAlpha 3|20100008 0012|\n";
const std::string kEntryCrLfOut =
    "Alpha 1|20100000 0010|\r\nAlpha 2|20100004 0011|\r\nAlpha 3|20100008 0012|\r\n";
const std::string kBom = "\xEF\xBB\xBF";
const std::string kManyLines = Repeat("Max Money\n", 100000);

const std::vector<ProgramCase> kCases = {
    // Both formats, from standard input and from a file, with LF and CR LF.
    {"PlainStdinLf", {"--plain"}, kPlainLf, {}, 0, kPlainLfOut, ""},
    {"PlainFileCrLf", {"--plain", kFile}, "", kPlainCrLf, 0, kPlainCrLfOut, ""},
    {"PlainDashIsStdinOptionsAnyOrder", {"-", "--plain"}, kPlainCrLf, {}, 0, kPlainCrLfOut, ""},
    {"TarrowFileLfWithHeading",
     {kFile, "--tarrow"},
     "",
     kEntry + "\nMain codes\n",
     0,
     kEntryLfOut,
     ""},
    {"TarrowStdinCrLfNoFinalBreak", {"--tarrow"}, "Heading\r\n" + kEntry, {}, 0, kEntryCrLfOut, ""},
    // Text files: the final line break adds no line, and the first line break decides the output's.
    {"EmptyLinesKept", {"--plain"}, "Max Money\n\n", {}, 0, "Max Money\n\n", ""},
    {"OneEmptyLinePlain", {"--plain"}, "\n", {}, 0, "\n", ""},
    {"OneEmptyCrLfLinePlain", {"--plain"}, "\r\n", {}, 0, "\r\n", ""},
    {"OneEmptyLineTarrow", {"--tarrow"}, "\n", {}, 0, "", ""},
    {"EmptyInput", {"--plain"}, "", {}, 0, "", ""},
    {"FirstLineBreakDecides",
     {"--plain"},
     "One\r\nTwo\nThree",
     {},
     0,
     "One\r\nTwo\r\nThree\r\n",
     ""},
    {"LoneCrStaysInLine", {"--plain"}, "A\rB\nC\n", {}, 0, "A\rB\nC\n", ""},
    {"LargeInputFromStdin", {"--plain"}, kManyLines, {}, 0, kManyLines, ""},
    {"LargeInputFromFile", {"--plain", kFile}, "", kManyLines, 0, kManyLines, ""},
    // A UTF-8 byte order mark in front of a text file is dropped, once and only there.
    {"BomBeforeRepeaterPlain", {"--plain"}, kBom + kPlainCrLf, {}, 0, kPlainCrLfOut, ""},
    {"BomBeforeEntryTarrowFile", {"--tarrow", kFile}, "", kBom + kEntry + "\n", 0, kEntryLfOut, ""},
    {"BomThenOneEmptyLine", {"--plain"}, kBom + "\r\n", {}, 0, "\r\n", ""},
    {"BomAlone", {"--tarrow"}, kBom, {}, 0, "", ""},
    {"SecondBomKept", {"--plain"}, kBom + kBom + "Max Money\n", {}, 0, kBom + "Max Money\n", ""},
    {"BomInLaterLineKept",
     {"--plain"},
     "Max Money\n" + kBom + "Heading\n",
     {},
     0,
     "Max Money\n" + kBom + "Heading\n",
     ""},
    {"BomKeptWithRaw",
     {"--plain", "--raw"},
     kBom + "50000302 0001\r\n80010000 0005",
     {},
     0,
     kBom + "50000302 0001\r\n",
     ""},
    // --raw: the engine's own CR LF rules, bytes unchanged both ways.
    {"RawCrLf", {"--raw", "--plain"}, "50000302 0001\r\n80010000 0005", {}, 0, kPlainCrLfOut, ""},
    {"RawFinalCrLfIsEmptyLine",
     {"--plain", "--raw"},
     "Max Money\r\n",
     {},
     0,
     "Max Money\r\n\r\n",
     ""},
    {"RawLfIsOrdinary", {"--plain", "--raw"}, "One\nTwo\n", {}, 0, "One\nTwo\n\r\n", ""},
    // Conversion failures: nothing on standard output, one line on standard error, status 1.
    {"PlainNoNextLine", {"--plain"}, "5\n", {}, 1, "", "quernel-unpatch: line 1: NoNextLine: "},
    {"PlainNotANumberLineOfFile",
     {"--plain", kFile},
     "",
     "Max Money\n50000302 0001\n80010000 0005 health\n",
     1,
     "",
     "quernel-unpatch: line 2: NotANumber: "},
    {"TarrowNoSecondBar",
     {"--tarrow"},
     "Heading\nAlpha|50000304 0001    20100000 0010\n",
     {},
     1,
     "",
     "quernel-unpatch: line 2: BadPosition: "},
    {"FailureLateInLongList",
     {"--plain"},
     kManyLines + "5\n",
     {},
     1,
     "",
     "quernel-unpatch: line 100001: NoNextLine: "},
    {"OutputPast64MiB",
     {"--tarrow"},
     Repeat("E|500FFF04 0001    20100000 0010|\n", 721),
     {},
     1,
     "",
     "quernel-unpatch: line 721: OutOfRange: the output would grow past 64 MiB"},
    {"InputQuotedInReportStaysOneLine",
     {"--plain"},
     "50000302 0001\n80010000 0005\x1b[2J\n",
     {},
     1,
     "",
     "quernel-unpatch: line 1: NotANumber: "},
    {"RawLfQuotedInReportStaysOneLine",
     {"--plain", "--raw"},
     "50000302 0001\r\n80010000 0005\nX",
     {},
     1,
     "",
     "quernel-unpatch: line 1: NotANumber: "},
    // Usage errors and unreadable files: status 2.
    {"NoFormat",
     {},
     kPlainLf,
     {},
     2,
     "",
     "quernel-unpatch: choose the format of the list with --tarrow or --plain"},
    {"BothFormats",
     {"--plain", "--tarrow"},
     kPlainLf,
     {},
     2,
     "",
     "quernel-unpatch: --tarrow and --plain cannot be used together"},
    {"UnknownOption",
     {"--plain", "--fast"},
     kPlainLf,
     {},
     2,
     "",
     "quernel-unpatch: unknown option '--fast'"},
    {"TwoFiles",
     {"--plain", kFile, "other.txt"},
     "",
     kPlainLf,
     2,
     "",
     "quernel-unpatch: only one FILE can be given"},
    {"MissingFile", {"--plain", kFile}, "", {}, 2, "", "quernel-unpatch: cannot open '"},
    {"DirectoryAsFile", {"--plain", "."}, "", {}, 2, "", "quernel-unpatch: cannot read '.'"},
};

class ProgramTest : public ::testing::TestWithParam<ProgramCase> {
protected:
    void SetUp() override {
        directory_ =
            std::filesystem::path(::testing::TempDir()) / ("quernel-unpatch-" + GetParam().name);
        std::filesystem::create_directories(directory_);
    }
    void TearDown() override { std::filesystem::remove_all(directory_); }

    std::string FilePath(const std::optional<std::string>& content) const {
        const std::filesystem::path path = directory_ / "list.txt";
        if (content) {
            std::ofstream(path, std::ios::binary) << *content;
        }
        return path.string();
    }

    std::filesystem::path directory_;
};

// A report is one line: the message and its LF, no other control character.
bool IsOneLine(const std::string& report) {
    for (std::size_t i = 0; i < report.size(); ++i) {
        const auto c = static_cast<unsigned char>(report[i]);
        if ((c < 0x20 || c == 0x7F) && !(c == '\n' && i + 1 == report.size())) {
            return false;
        }
    }
    return !report.empty() && report.back() == '\n';
}

TEST_P(ProgramTest, BehavesAsUsersExpect) {
    const ProgramCase& c = GetParam();
    std::vector<std::string> arguments = c.arguments;
    for (std::string& argument : arguments) {
        if (argument == kFile) {
            argument = FilePath(c.file_content);
        }
    }
    const ProgramResult result = RunProgram(kProgram, arguments, c.standard_input);

    EXPECT_EQ(result.exit_status, c.exit_status);
    EXPECT_EQ(result.standard_output, c.standard_output);
    if (c.report_start.empty()) {
        EXPECT_EQ(result.standard_error, "");
    } else {
        EXPECT_TRUE(result.standard_error.starts_with(c.report_start)) << result.standard_error;
        EXPECT_TRUE(IsOneLine(result.standard_error)) << result.standard_error;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ProgramTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return info.param.name; });

// Help and version, long and short, go to standard output with status 0.
TEST(ProgramInformation, HelpAndVersionGoToStandardOutput) {
    const std::string usage = "Usage: quernel-unpatch (--tarrow | --plain) [--raw] [FILE]\n";
    const std::string version = "quernel-unpatch " QUERNEL_VERSION "\n";
    const struct {
        std::vector<std::string> arguments;
        std::string output_start;
    } cases[] = {
        {{"--help"}, usage},         {{"-h"}, usage},          {{"--plain", "--help"}, usage},
        {{"--tarrow", "-h"}, usage}, {{"--version"}, version}, {{"-V"}, version},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.arguments));
        const ProgramResult result = RunProgram(kProgram, c.arguments, "");
        EXPECT_EQ(result.exit_status, 0);
        EXPECT_TRUE(result.standard_output.starts_with(c.output_start)) << result.standard_output;
        EXPECT_EQ(result.standard_error, "");
    }
}

TEST(ProgramOutput, FailedWriteIsReportedNotSuccess) {
    const ProgramResult result =
        RunProgram(kProgram, {"--plain"}, "Max Money\n", {.output_path = "/dev/full"});
    EXPECT_EQ(result.exit_status, 2);
    EXPECT_EQ(result.standard_error,
              "quernel-unpatch: cannot write standard output: No space left on device\n");
}

}  // namespace
}  // namespace quernel::testing
