#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine/unpatch.h"
#include "tests/engine/code_text.h"
#include "tests/engine/conversion_cases.h"
#include "tests/engine/expect_failure.h"

namespace quernel {
namespace {

using testing::CheckConversions;
using testing::CheckFailures;
using testing::ConversionCase;
using testing::ExpectFailure;
using testing::FailureCase;
using testing::InputText;
using testing::OutputText;

std::string Tarrow(std::string_view input) {
    return Unpatch(UnpatchMode::TarrowFormat, input);
}

// Count 3, address step 4, value step 1, address 20100000, value 0010.
constexpr const char* kCodes = "50000304 0001    20100000 0010";

std::string Entry(std::string_view name, std::string_view codes = kCodes,
                  std::string_view tail = "|") {
    return std::string(name) + "|" + std::string(codes) + std::string(tail);
}

TEST(TarrowFormat, ExpandsEveryEntry) {
    const ConversionCase rows[] = {
        {"count 3", Entry("Alpha"),
         OutputText(
             {"Alpha 1|20100000 0010|", "Alpha 2|20100004 0011|", "Alpha 3|20100008 0012|"})},
        {"an empty name", Entry(""),
         OutputText({" 1|20100000 0010|", " 2|20100004 0011|", " 3|20100008 0012|"})},
        {"a name ending with a blank keeps it", Entry("Alpha "),
         OutputText(
             {"Alpha  1|20100000 0010|", "Alpha  2|20100004 0011|", "Alpha  3|20100008 0012|"})},
        {"a tail of several bars", Entry("Alpha", kCodes, "|A|B|"),
         OutputText({"Alpha 1|20100000 0010|A|B|", "Alpha 2|20100004 0011|A|B|",
                     "Alpha 3|20100008 0012|A|B|"})},
        {"lines without a bar leave nothing; count 0 writes one line",
         InputText(
             {Entry("Alpha"), "Main codes", "", Entry("Beta", "50000004 0001    20100000 0010")}),
         OutputText({"Alpha 1|20100000 0010|", "Alpha 2|20100004 0011|", "Alpha 3|20100008 0012|",
                     "Beta 1|20100000 0010|"})},
        {"a carry into the type digits", Entry("Alpha", "50000304 0001    20FFFFFC 0010"),
         OutputText(
             {"Alpha 1|20FFFFFC 0010|", "Alpha 2|21000000 0011|", "Alpha 3|21000004 0012|"})},
        {"type digits 00 are written back", Entry("Alpha", "50000304 0001    00100000 0010"),
         OutputText(
             {"Alpha 1|00100000 0010|", "Alpha 2|00100004 0011|", "Alpha 3|00100008 0012|"})},
        {"a two-digit value, as typed on the first line",
         Entry("Alpha", "50000304 0001    20100000 10"),
         OutputText({"Alpha 1|20100000 10|", "Alpha 2|20100004 0011|", "Alpha 3|20100008 0012|"})},
        {"a blank before the second bar belongs to the value",
         Entry("Alpha", "50000304 0001    20100000 0010 "),
         OutputText(
             {"Alpha 1|20100000 0010 |", "Alpha 2|20100004 0011|", "Alpha 3|20100008 0012|"})},
        {"a second blank before the value is kept on the first line",
         Entry("Alpha", "50000304 0001    20100000  0010"),
         OutputText(
             {"Alpha 1|20100000  0010|", "Alpha 2|20100004 0011|", "Alpha 3|20100008 0012|"})},
        {"lower-case digits", Entry("Alpha", "50000304 0001    2010000a 00ff"),
         OutputText(
             {"Alpha 1|2010000A 00ff|", "Alpha 2|2010000E 0100|", "Alpha 3|20100012 0101|"})},
        {"value grows past 7FFF", Entry("A", "50000300 0001    20100000 7FFE"),
         OutputText({"A 1|20100000 7FFE|", "A 2|20100000 7FFF|", "A 3|20100000 8000|"})},
        {"value grows to five digits", Entry("A", "50000300 7FFF    20100000 0010"),
         OutputText({"A 1|20100000 0010|", "A 2|20100000 800F|", "A 3|20100000 1000E|"})},
        {"an address with type digits 80 to FF expands",
         Entry("Moon", "50000204 0000    94000000 0001"),
         OutputText({"Moon 1|94000000 0001|", "Moon 2|94000004 0001|"})},
        {"an address sum past FFFFFFFF wraps", Entry("W", "50000204 0000    FFFFFFFE 0001"),
         OutputText({"W 1|FFFFFFFE 0001|", "W 2|00000002 0001|"})},
        {"an address sum past 7FFFFFFF goes on", Entry("W", "50000204 0000    7FFFFFFE 0001"),
         OutputText({"W 1|7FFFFFFE 0001|", "W 2|80000002 0001|"})},
        {"value step FFFF steps down", Entry("D", "50000300 FFFF    20100000 0002"),
         OutputText({"D 1|20100000 0002|", "D 2|20100000 0001|", "D 3|20100000 0000|"})},
        {"non-ASCII name and tail kept byte for byte",
         Entry("Kraft ÄÖ", "50000200 0000    20100000 0001", "|€ ✓|"),
         OutputText({"Kraft ÄÖ 1|20100000 0001|€ ✓|", "Kraft ÄÖ 2|20100000 0001|€ ✓|"})},
        {"fields count characters, not bytes", Entry("N", "5€€00200 0000    20100000 0001"),
         OutputText({"N 1|20100000 0001|", "N 2|20100000 0001|"})},
        {"an input without a bar", InputText({"Main codes", "50000302 0001"}), ""},
        {"an empty input", "", ""},
        {"a trailing CR LF adds nothing",
         InputText({Entry("B", "50000000 0000    20100000 0001"), ""}),
         OutputText({"B 1|20100000 0001|"})},
    };
    CheckConversions(UnpatchMode::TarrowFormat, rows);
}

TEST(TarrowFormat, CountFFFWrites4095NumberedLines) {
    const std::string output = Tarrow(Entry("Alpha", "500FFF04 0001    20100000 0010"));
    EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), 4095);
    EXPECT_TRUE(output.ends_with("\r\nAlpha 4095|20103FF8 100E|\r\n"));
}

TEST(TarrowFormat, MalformedEntriesFailAtTheirLine) {
    const FailureCase rows[] = {
        {"no second bar", "Alpha|50000304 0001    20100000 0010", FailureKind::BadPosition, 1},
        {"a name and a bar only", "Alpha|", FailureKind::BadPosition, 1},
        {"a bar alone", InputText({"heading", "|"}), FailureKind::BadPosition, 2},
        {"the missing bar is found before any field", "Alpha|XXXXXXXXXXXXXXX",
         FailureKind::BadPosition, 1},
        {"an ordinary one-code entry", "Alpha|20100000 0010|", FailureKind::NotANumber, 1},
        {"a second code after the target code",
         Entry("Alpha", "50000304 0001    20100000 0010 20100010 0020"), FailureKind::NotANumber,
         1},
        {"nothing between the bars", "Alpha||", FailureKind::NotANumber, 1},
        {"value past FFFFFFFF", Entry("Alpha", "50000304 0001    20100000 100000000"),
         FailureKind::OutOfRange, 1},
        {"address not hexadecimal", Entry("Alpha", "50000304 0001    2010 000 0010"),
         FailureKind::NotANumber, 1},
        {"a failure after good entries",
         InputText({Entry("A"), "note", Entry("B"), Entry("C", "5000X304 0001    20100000 0010")}),
         FailureKind::NotANumber, 4},
        {"a second conversion of the output fails at its first line", Tarrow(Entry("Alpha")),
         FailureKind::NotANumber, 1},
    };
    CheckFailures(UnpatchMode::TarrowFormat, rows);
}

TEST(TarrowFormat, FieldsAreReadInTheirOrderAndTheFirstBadOneIsReported) {
    const struct {
        const char* codes;
        const char* field;
    } rows[] = {
        {"5XXXXXXX XXXX    XXXXXXXX XXXX", "value step field"},
        {"5XXXXXXX 0001    XXXXXXXX XXXX", "value field"},
        {"5XXXXXXX 0001    XXXXXXXX 0001", "count field"},
        {"500003XX 0001    XXXXXXXX 0001", "address step field"},
        {"50000304 0001    XXXXXXXX 0001", "address field"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.field);
        const std::string message =
            ExpectFailure(FailureKind::NotANumber, 1, [&] { Tarrow(Entry("Alpha", row.codes)); });
        EXPECT_NE(message.find(std::string("the ") + row.field + " \""), std::string::npos)
            << message;
    }
}

}  // namespace
}  // namespace quernel
