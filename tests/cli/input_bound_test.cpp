// quernel-unpatch reads at most 1 GiB, from files, pipes and devices alike, and refuses more with
// a clear message before it writes anything.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "tests/cli/program_run.h"

namespace quernel::testing {
namespace {

constexpr char kProgram[] = QUERNEL_UNPATCH_PATH;
constexpr std::uint64_t kBound = std::uint64_t{1} << 30;

// After a long first line of zero bytes, which has no bar, comes the one entry that is converted;
// the entry is at the very end, so its output shows that the whole input was read.
const std::string kEntry = "E|50000302 0001    20100000 0010|";
const std::string kLastEntry = "\r\n" + kEntry;
const std::string kLastEntryOut =
    "E 1|20100000 0010|\r\nE 2|20100002 0011|\r\nE 3|20100004 0012|\r\n";
const std::string kConvertRaw = "\"$0\" --raw --tarrow";
const std::string kRefusal = ": it is larger than 1 GiB, the most quernel-unpatch reads\n";

// A pipe of size bytes, zeros ending in kLastEntry.
std::string PipeOf(std::uint64_t size) {
    return "{ head -c " + std::to_string(size - kLastEntry.size()) +
           " /dev/zero; printf '\\r\\n%s' '" + kEntry + "'; } | ";
}

struct BoundCase {
    std::string name;
    // Run by /bin/sh with the program as $0 and the input file as $1.
    std::string script;
    // The size of the input file, a sparse one of zeros ending in kLastEntry; none: no file.
    std::optional<std::uint64_t> file_size;
    // How the refusal names the input, kFile standing for the input file; empty: converted.
    std::string refused_input;
};

void PrintTo(const BoundCase& c, std::ostream* os) {
    *os << c.name;
}

constexpr char kFile[] = "'{FILE}'";
const std::string kStandardInput = "standard input";

const BoundCase kCases[] = {
    {"FileAtBound", kConvertRaw + " \"$1\"", kBound, ""},
    {"FileOneOver", kConvertRaw + " \"$1\"", kBound + 1, kFile},
    {"FileFarOver", kConvertRaw + " \"$1\"", kBound << 10, kFile},
    {"RedirectedFileOneOver", kConvertRaw + " < \"$1\"", kBound + 1, kStandardInput},
    {"PipeAtBound", PipeOf(kBound) + kConvertRaw, {}, ""},
    {"PipeOneOver", PipeOf(kBound + 1) + kConvertRaw, {}, kStandardInput},
    {"EndlessPipe", "cat /dev/zero | \"$0\" --tarrow", {}, kStandardInput},
    {"EndlessDevice", "\"$0\" --plain /dev/zero", {}, "'/dev/zero'"},
};

class InputBoundTest : public ::testing::TestWithParam<BoundCase> {
protected:
    void SetUp() override {
        path_ = std::filesystem::path(::testing::TempDir()) / ("quernel-bound-" + GetParam().name);
    }
    void TearDown() override { std::filesystem::remove(path_); }

    // Sparse: the zeros take no room on disk.
    void MakeInputFile(std::uint64_t size) const {
        std::ofstream(path_, std::ios::binary).close();
        std::filesystem::resize_file(path_, size - kLastEntry.size());
        std::ofstream(path_, std::ios::binary | std::ios::app) << kLastEntry;
    }

    std::filesystem::path path_;
};

TEST_P(InputBoundTest, ReadsUpToTheBoundAndRefusesMore) {
    const BoundCase& c = GetParam();
    if (c.file_size) {
        MakeInputFile(*c.file_size);
    }
    const ProgramResult result =
        RunProgram("/bin/sh", {"-c", c.script, kProgram, path_.string()}, "");

    if (c.refused_input.empty()) {
        EXPECT_EQ(result.exit_status, 0);
        EXPECT_EQ(result.standard_output, kLastEntryOut);
        EXPECT_EQ(result.standard_error, "");
        return;
    }
    const std::string named =
        c.refused_input == kFile ? "'" + path_.string() + "'" : c.refused_input;
    EXPECT_EQ(result.exit_status, 2);
    EXPECT_EQ(result.standard_output, "");
    EXPECT_EQ(result.standard_error, "quernel-unpatch: cannot read " + named + kRefusal);
}

INSTANTIATE_TEST_SUITE_P(Cases, InputBoundTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return info.param.name; });

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
constexpr bool kAddressSanitizer = __has_feature(address_sanitizer);
#else
constexpr bool kAddressSanitizer = false;
#endif

// A pipe's size is not known ahead, yet its input is held about once, not in a buffer that grew
// to twice its size. The pipe is fed by a small process, whose memory does not blur the
// measurement.
TEST(InputMemory, PipeHoldsTheInputAboutOnce) {
    if (kAddressSanitizer) {
        GTEST_SKIP() << "AddressSanitizer keeps freed memory resident";
    }
    const std::uint64_t size = kBound / 4;

    const ProgramResult result =
        RunProgram("/bin/sh", {"-c", PipeOf(size) + kConvertRaw, kProgram}, "");

    EXPECT_EQ(result.exit_status, 0);
    EXPECT_EQ(result.standard_output, kLastEntryOut);
    EXPECT_LT(result.peak_resident_bytes, size + size / 8)
        << "for an input of " << size << " bytes";
}

}  // namespace
}  // namespace quernel::testing
