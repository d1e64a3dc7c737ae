#include "engine/code_lines.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace quernel {
namespace {

std::vector<std::string_view> Lines(std::string_view text) {
    const CodeLines lines = SplitCodeLines(text);
    return {lines.begin(), lines.end()};
}

TEST(SplitCodeLines, CutsAtEveryCrLfPairOnly) {
    const struct {
        std::string_view text;
        std::vector<std::string_view> lines;
    } rows[] = {
        {"", {}},
        {"50000302 0001", {"50000302 0001"}},
        {"a\r\nb", {"a", "b"}},
        {"a\r\n", {"a", ""}},
        {"\r\n", {"", ""}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\rb\nc", {"a\rb\nc"}},  // lone CR and LF stay inside their line
        {"a\r\r\nb", {"a\r", "b"}},
        {"a\n\r\nb\r", {"a\n", "b\r"}},
        {"\n\r", {"\n\r"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << "text \"" << row.text << "\"");
        EXPECT_EQ(Lines(row.text), row.lines);
    }
}

}  // namespace
}  // namespace quernel
