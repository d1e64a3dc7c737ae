// Inputs far from the usual: very long lines, very many lines, bytes that are not text, and lists
// that ask for more output than a run may build.
#include <gtest/gtest.h>

#include <string>

#include "engine/output_text.h"
#include "engine/unpatch.h"
#include "tests/engine/code_text.h"
#include "tests/engine/expect_failure.h"

namespace quernel {
namespace {

using testing::ExpectFailure;
using testing::InputText;
using testing::OutputText;

// count lines of text, joined by CR LF.
std::string RepeatedLines(std::string_view line, std::size_t count) {
    std::string text;
    text.reserve(count * (line.size() + 2));
    for (std::size_t i = 0; i < count; ++i) {
        text += line;
        text += "\r\n";
    }
    text.resize(text.size() - 2);
    return text;
}

TEST(LargeInput, AMegabyteLineIsCopiedOrExpandedWhole) {
    const std::string longLine(1 << 20, 'x');
    EXPECT_EQ(Unpatch(UnpatchMode::PlainText, longLine), longLine + "\r\n");

    const std::string longName(1 << 20, 'N');
    EXPECT_EQ(Unpatch(UnpatchMode::TarrowFormat,
                      longName + "|50000200 0000    20100000 0001|" + longLine),
              OutputText({longName + " 1|20100000 0001|" + longLine,
                          longName + " 2|20100000 0001|" + longLine}));
}

TEST(LargeInput, AMegabyteFieldIsReportedShortened) {
    const std::string message = ExpectFailure(FailureKind::NotANumber, 1, [] {
        Unpatch(UnpatchMode::TarrowFormat,
                "A|50000200 0000    20100000 0001" + std::string(1 << 20, 'z') + "|");
    });
    EXPECT_LT(message.size(), 200u) << message;
}

TEST(LargeInput, FiftyMegabytesOfOrdinaryLinesComeBackUnchanged) {
    const std::string input = RepeatedLines("D0123456 0000", 50'000'000 / 15);
    EXPECT_EQ(Unpatch(UnpatchMode::PlainText, input), input + "\r\n");
}

TEST(LargeInput, NulBytesAndInvalidUtf8AreCarriedThrough) {
    using namespace std::string_literals;
    const std::string odd = "a\0b\xFF\xC3(\xE2\x82"s;
    const std::string prefix = "\0\xFF"s;  // two characters: a NUL and a stray byte
    EXPECT_EQ(
        Unpatch(UnpatchMode::PlainText, InputText({odd, "50000202 0000", prefix + "0FFFFE 0001"})),
        OutputText({odd, prefix + "0FFFFE 0001", prefix + "100000 0001", prefix + "0FFFFE 0001"}));
    EXPECT_EQ(Unpatch(UnpatchMode::TarrowFormat, odd + "|50000200 0000    20100000 0001|" + odd),
              OutputText({odd + " 1|20100000 0001|" + odd, odd + " 2|20100000 0001|" + odd}));
    ExpectFailure(FailureKind::NotANumber, 1, [] {
        Unpatch(UnpatchMode::PlainText, InputText({"50000202 0000", "80010000 00\0"s + "5"}));
    });
}

// Each entry writes 4095 lines of 19 bytes plus the index digits: 93,078 bytes. 720 of them fit
// in 64 MiB, the 721st passes it.
std::string BulkEntries(int count) {
    return RepeatedLines("E|500FFF04 0001    20100000 0010|", static_cast<std::size_t>(count));
}

TEST(OutputBound, TarrowOutputUpTo64MiBIsWhole) {
    EXPECT_EQ(Unpatch(UnpatchMode::TarrowFormat, BulkEntries(720)).size(), 720u * 93'078u);
}

TEST(OutputBound, TarrowOutputPast64MiBFailsAtTheEntryThatPassesIt) {
    const std::string message = ExpectFailure(
        FailureKind::OutOfRange, 721, [] { Unpatch(UnpatchMode::TarrowFormat, BulkEntries(721)); });
    EXPECT_NE(message.find("64 MiB"), std::string::npos) << message;
}

TEST(OutputBound, CopiedLinesPast64MiBFailAtTheLineThatPassesIt) {
    // 15 bytes a line with its CR LF: 4,473,924 lines fill all but 4 bytes of 64 MiB.
    constexpr std::size_t kFittingLines = kMaxOutputBytes / 15;
    EXPECT_EQ(Unpatch(UnpatchMode::PlainText, RepeatedLines("D0123456 0000", kFittingLines)).size(),
              kFittingLines * 15);
    ExpectFailure(FailureKind::OutOfRange, static_cast<int>(kFittingLines) + 1, [] {
        Unpatch(UnpatchMode::PlainText, RepeatedLines("D0123456 0000", kFittingLines + 1));
    });
}

TEST(OutputBound, AnExpansionPassingTheBoundFailsAtItsRepeaterCode) {
    // Copied lines up to just below the bound, then a repeater code of 3 lines that passes it.
    constexpr std::size_t kCopied = kMaxOutputBytes / 15 - 1;
    const std::string input = RepeatedLines("D0123456 0000", kCopied) + "\r\n" +
                              InputText({"50000302 0001", "80010000 0005"});
    ExpectFailure(FailureKind::OutOfRange, static_cast<int>(kCopied) + 1,
                  [&] { Unpatch(UnpatchMode::PlainText, input); });
}

}  // namespace
}  // namespace quernel
