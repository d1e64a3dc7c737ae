#include <gtest/gtest.h>

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

std::string PlainText(std::string_view input) {
    return Unpatch(UnpatchMode::PlainText, input);
}

TEST(PlainText, ExpandsRepeatersCopiesAndDropsLines) {
    const ConversionCase rows[] = {
        {"two repeaters, lines left out and copied",
         InputText({"50000302 0001", "80010000 0005", "30020000 00FF", "50000204 0010",
                    "10030000 0100", "Max Money", ""}),
         OutputText({"80010000 0005", "80010002 0006", "80010004 0007", "10030000 0100",
                     "10030004 0110", "10030000 0100", "Max Money", ""})},
        {"a value typed with one digit", InputText({"50000302 0001", "80010000 5"}),
         OutputText({"80010000 5", "80010002 0006", "80010004 0007"})},
        {"blanks behind the value, on the first line only",
         InputText({"50000302 0001", "80010000 0005  "}),
         OutputText({"80010000 0005  ", "80010002 0006", "80010004 0007"})},
        {"lower-case digits", InputText({"50000302 0001", "8001000a 00ff"}),
         OutputText({"8001000A 00ff", "8001000C 0100", "8001000E 0101"})},
        {"two repeaters in a row", InputText({"50000302 0001", "50000302 0001", "80010000 0005"}),
         OutputText({"50000302 0001", "50000304 0002", "50000306 0003", "80010000 0005",
                     "80010002 0006", "80010004 0007"})},
        {"unread characters of a repeater", InputText({"5XY00302-0001;note", "80010000 0005"}),
         OutputText({"80010000 0005", "80010002 0006", "80010004 0007"})},
        {"position 9 of the target belongs to the address",
         InputText({"50000102 0000", "8001000010005"}), OutputText({"80100001 0005"})},
        {"count 000 writes one line", InputText({"50000002 0001", "80010000 0005"}),
         OutputText({"80010000 0005"})},
        {"a blank in front is copied, not expanded", InputText({" 50000302 0001", "80010000 0005"}),
         OutputText({" 50000302 0001"})},
        {"an outgrown address after the last line is never written",
         InputText({"50000102 0000", "80FFFFFE 0001"}), OutputText({"80FFFFFE 0001"})},
        {"type digits stay apart from the carry; the target is then copied",
         InputText({"50000202 0000", "AB0FFFFE 0001"}),
         OutputText({"AB0FFFFE 0001", "AB100000 0001", "AB0FFFFE 0001"})},
        {"address 8000 to FFFF reads as itself", InputText({"50000202 0000", "80008000 0001"}),
         OutputText({"80008000 0001", "80008002 0001"})},
        {"value step FFFF steps the value down", InputText({"50000200 FFFF", "80010000 0002"}),
         OutputText({"80010000 0002", "80010000 0001"})},
        {"non-ASCII prefix and lines kept byte for byte",
         InputText({"50000202 0000", "éB010000 0001", "Größe"}),
         OutputText({"éB010000 0001", "éB010002 0001", "éB010000 0001", "Größe"})},
        {"empty input", "", ""},
        {"no CR LF: one line", "Max Money", OutputText({"Max Money"})},
        {"trailing CR LF: an empty last line is copied", InputText({"Max Money", ""}),
         OutputText({"Max Money", ""})},
        {"lone CR and LF stay in their line", "a\rb\nc", OutputText({"a\rb\nc"})},
        {"only dropped lines", InputText({"80010000 0005", "30020000 00FF"}), ""},
    };
    CheckConversions(UnpatchMode::PlainText, rows);
}

TEST(PlainText, MalformedListsFailAtTheRightLine) {
    const FailureCase rows[] = {
        {"address grows past FFFFFF", InputText({"50000202 0000", "80FFFFFE 0001"}),
         FailureKind::BadPosition, 1},
        {"seven significant address digits", InputText({"50000102 0000", "80100000F0005"}),
         FailureKind::BadPosition, 1},
        {"repeater on the last line", InputText({"80010000 0005", "50000302 0001"}),
         FailureKind::NoNextLine, 2},
        {"a lone 5 reports the missing target first", "5", FailureKind::NoNextLine, 1},
        {"target shorter than ten characters", InputText({"50000302 0001", "80010000"}),
         FailureKind::NotANumber, 1},
        {"an empty line as target", InputText({"50000302 0001", "", "80010000 0005"}),
         FailureKind::NotANumber, 1},
        {"comment behind the value", InputText({"50000302 0001", "80010000 0005 health"}),
         FailureKind::NotANumber, 1},
        {"a heading that begins with 5", InputText({"5 Lives", "80010000 0005"}),
         FailureKind::NotANumber, 1},
        {"value step not hexadecimal", InputText({"50000302 00G1", "80010000 0005"}),
         FailureKind::NotANumber, 1},
        {"count not hexadecimal", InputText({"500X0302 0001", "80010000 0005"}),
         FailureKind::NotANumber, 1},
        {"address step not hexadecimal", InputText({"500003X2 0001", "80010000 0005"}),
         FailureKind::NotANumber, 1},
        {"address not hexadecimal", InputText({"50000302 0001", "8001 000 0005"}),
         FailureKind::NotANumber, 1},
        {"value past FFFFFFFF", InputText({"50000302 0001", "80010000 100000000"}),
         FailureKind::OutOfRange, 1},
        {"a failure on a late line",
         InputText({"Max Money", "50000302 0001", "80010000 0005", "Lives", "50000302 0001",
                    "80010000 zz"}),
         FailureKind::NotANumber, 5},
    };
    CheckFailures(UnpatchMode::PlainText, rows);
}

TEST(PlainText, FieldsAreReadInTheirOrderAndTheFirstBadOneIsReported) {
    // Every field of this repeater and its target is bad; value step comes first, then value,
    // count, address step and address.
    const struct {
        const char* repeater;
        const char* target;
        const char* expected;
    } rows[] = {
        {"5XXXXXXX XXXX", "80XXXXXX XXXX",
         "line 1: NotANumber: the value step field \"XXXX\" of the repeater code is not a "
         "hexadecimal number"},
        {"5XXXXXXX 0001", "80XXXXXX XXXX",
         "line 1: NotANumber: the value field \"XXXX\" of the target code on line 2 is not a "
         "hexadecimal number"},
        {"5XXXXXXX 0001", "80XXXXXX 0001",
         "line 1: NotANumber: the count field \"XXX\" of the repeater code is not a hexadecimal "
         "number"},
        {"500003XX 0001", "80XXXXXX 0001",
         "line 1: NotANumber: the address step field \"XX\" of the repeater code is not a "
         "hexadecimal number"},
        {"50000302 0001", "80XXXXXX 0001",
         "line 1: NotANumber: the address field \"XXXXXX \" of the target code on line 2 is not a "
         "hexadecimal number"},
        {"50000302 0001", "80010000 0005 health",
         "line 1: NotANumber: the value field \"0005 health\" of the target code on line 2 is not "
         "a hexadecimal number"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.expected);
        EXPECT_EQ(ExpectFailure(FailureKind::NotANumber, 1,
                                [&] {
                                    PlainText(InputText({row.repeater, row.target}));
                                }),
                  row.expected);
    }
}

}  // namespace
}  // namespace quernel
