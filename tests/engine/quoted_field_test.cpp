// A failure's message quotes the field at fault; whatever the field holds, the message stays one
// whole line of printable text.
#include "engine/quoted_field.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/unpatch.h"
#include "tests/engine/code_text.h"

namespace quernel {
namespace {

using namespace std::string_literals;
using testing::InputText;

struct QuoteCase {
    std::string field;
    std::size_t max_chars;
    std::string quoted;
};

TEST(QuoteField, EscapesWhatIsNotPrintableAndShortensLongFields) {
    const std::vector<QuoteCase> cases = {
        {"0005 health", 40, R"("0005 health")"},
        {"", 40, R"("")"},
        {"00\0"s
         "5",
         40, R"("00\x005")"},
        {"a\tb\rc\nd\x1B[2J", 40, R"("a\tb\rc\nd\x1B[2J")"},
        {"say \"hi\" \\ there", 40, R"("say \"hi\" \\ there")"},
        {"\x7F\xFF\xC3(", 40, R"("\x7F\xFF\xC3(")"},
        {"caf\xC3\xA9 \xE2\x82\xAC", 40, "\"caf\xC3\xA9 \xE2\x82\xAC\""},  // UTF-8 kept
        {"x\xC2\x85y\xC2\xA0", 40, "\"x\\u0085y\xC2\xA0\""},               // C1 control escaped
        {"\xC3\xA9\xC3\xA9\xC3\xA9", 2, "\"\xC3\xA9\xC3\xA9...\""},        // counted in characters
        {"\x01\x02\x03", 2, R"("\x01\x02...")"},
        {"abc", 3, R"("abc")"},
    };
    for (const QuoteCase& c : cases) {
        EXPECT_EQ(QuoteField(c.field, c.max_chars), c.quoted) << "field: " << c.quoted;
    }
}

// One character put into one numeric field of an otherwise good list.
struct FieldSite {
    const char* field;
    UnpatchMode mode;
    std::vector<std::string> lines;
    std::size_t line_index;
    std::size_t position;  // 1-based, within the line
};

const std::vector<FieldSite> kSites = {
    {"value step field", UnpatchMode::PlainText, {"50000302 0001", "80010000 0005"}, 0, 11},
    {"value field", UnpatchMode::PlainText, {"50000302 0001", "80010000 0005"}, 1, 11},
    {"count field", UnpatchMode::PlainText, {"50000302 0001", "80010000 0005"}, 0, 5},
    {"address step field", UnpatchMode::PlainText, {"50000302 0001", "80010000 0005"}, 0, 8},
    {"address field", UnpatchMode::PlainText, {"50000302 0001", "80010000 0005"}, 1, 4},
    {"value step field", UnpatchMode::TarrowFormat, {"A|50000304 0001    20100000 0010|"}, 0, 13},
    {"value field", UnpatchMode::TarrowFormat, {"A|50000304 0001    20100000 0010|"}, 0, 30},
    {"count field", UnpatchMode::TarrowFormat, {"A|50000304 0001    20100000 0010|"}, 0, 7},
    {"address step field", UnpatchMode::TarrowFormat, {"A|50000304 0001    20100000 0010|"}, 0, 10},
    {"address field", UnpatchMode::TarrowFormat, {"A|50000304 0001    20100000 0010|"}, 0, 22},
};

struct Stray {
    std::string character;
    std::string escaped;
};

const std::vector<Stray> kStrays = {
    {"\0"s, R"(\x00)"}, {"\r", R"(\r)"},     {"\n", R"(\n)"},
    {"\t", R"(\t)"},    {"\x1B", R"(\x1B)"}, {"\xFF", R"(\xFF)"},
};

TEST(FailureMessage, IsOneWholeLineWhateverTheFieldHolds) {
    for (const FieldSite& site : kSites) {
        for (const Stray& stray : kStrays) {
            std::vector<std::string> lines = site.lines;
            lines[site.line_index].replace(site.position - 1, 1, stray.character);
            std::string input;
            for (std::size_t i = 0; i < lines.size(); ++i) {
                input += (i == 0 ? "" : "\r\n") + lines[i];
            }
            const std::string row = std::string(site.field) + " with " + stray.escaped;
            try {
                Unpatch(site.mode, input);
                ADD_FAILURE() << row << ": converted";
            } catch (const UnpatchFailure& failure) {
                // what() is read as callers read it, up to the first NUL.
                const std::string message = failure.what();
                EXPECT_EQ(message.rfind("line 1: NotANumber: the " + std::string(site.field), 0),
                          0u)
                    << row << ": " << message;
                EXPECT_NE(message.find(stray.escaped), std::string::npos) << row << ": " << message;
                EXPECT_TRUE(message.ends_with("is not a hexadecimal number"))
                    << row << ": " << message;
                for (const char c : message) {
                    EXPECT_TRUE(c >= 0x20 && c < 0x7F) << row << ": " << message;
                }
            }
        }
    }
}

}  // namespace
}  // namespace quernel
