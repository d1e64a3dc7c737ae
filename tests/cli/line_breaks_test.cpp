#include "cli/line_breaks.h"

#include <gtest/gtest.h>

#include <string>

namespace quernel::cli {
namespace {

struct TextFileCase {
    std::string file_text;
    std::string joined;
    LineBreak first_line_break;
};

void PrintTo(const TextFileCase& c, std::ostream* os) {
    *os << ::testing::PrintToString(c.file_text);
}

class TextFileTest : public ::testing::TestWithParam<TextFileCase> {};

TEST_P(TextFileTest, JoinsLinesWithCrLfAndFindsFirstLineBreak) {
    const TextFileCase& c = GetParam();
    EXPECT_EQ(JoinLinesWithCrLf(c.file_text), c.joined);
    EXPECT_EQ(FirstLineBreak(c.file_text), c.first_line_break);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextFileTest,
    ::testing::Values(TextFileCase{"", "", LineBreak::Lf},
                      TextFileCase{"one", "one", LineBreak::Lf},
                      TextFileCase{"one\n", "one", LineBreak::Lf},
                      TextFileCase{"one\r\n", "one", LineBreak::CrLf},
                      TextFileCase{"one\ntwo", "one\r\ntwo", LineBreak::Lf},
                      TextFileCase{"one\r\ntwo\r\n", "one\r\ntwo", LineBreak::CrLf},
                      TextFileCase{"one\ntwo\r\nthree\n", "one\r\ntwo\r\nthree", LineBreak::Lf},
                      TextFileCase{"one\r\ntwo\nthree", "one\r\ntwo\r\nthree", LineBreak::CrLf},
                      TextFileCase{"\n\n", "\r\n", LineBreak::Lf},
                      TextFileCase{"\nlast", "\r\nlast", LineBreak::Lf},
                      TextFileCase{"one\n\n", "one\r\n", LineBreak::Lf},
                      TextFileCase{"a\rb\n", "a\rb", LineBreak::Lf},
                      TextFileCase{"\r\r\n", "\r", LineBreak::CrLf},
                      TextFileCase{"end\r", "end\r", LineBreak::Lf}));

struct LineEndCase {
    std::string converted;
    LineBreak line_break;
    std::string ended;
};

void PrintTo(const LineEndCase& c, std::ostream* os) {
    *os << ::testing::PrintToString(c.converted);
}

class LineEndTest : public ::testing::TestWithParam<LineEndCase> {};

TEST_P(LineEndTest, RewritesCrLf) {
    const LineEndCase& c = GetParam();
    std::string text = c.converted;
    EndLinesWith(text, c.line_break);
    EXPECT_EQ(text, c.ended);
}

INSTANTIATE_TEST_SUITE_P(Cases, LineEndTest,
                         ::testing::Values(LineEndCase{"", LineBreak::Lf, ""},
                                           LineEndCase{"a\r\nb\r\n", LineBreak::Lf, "a\nb\n"},
                                           LineEndCase{"a\r\nb\r\n", LineBreak::CrLf, "a\r\nb\r\n"},
                                           LineEndCase{"\r\n\r\n", LineBreak::Lf, "\n\n"},
                                           LineEndCase{"a\rb\r\r\n", LineBreak::Lf, "a\rb\r\n"}));

}  // namespace
}  // namespace quernel::cli
