#include "engine/char_slicing.h"

#include <gtest/gtest.h>

#include <string_view>

#include "tests/engine/expect_failure.h"

namespace quernel {
namespace {

struct SliceCase {
    std::string_view text;
    std::ptrdiff_t start;  // MidChars only
    std::ptrdiff_t count;  // n of LeftChars, length of MidChars
    std::string_view expected;
};

// "é" is two bytes, "€" three, "😀" four; "\xFF" and a cut-off "\xE2\x82" are invalid bytes,
// one character each.
constexpr SliceCase kLeftCases[] = {
    {"50000302 0001", 0, 0, ""},
    {"50000302 0001", 0, 2, "50"},
    {"50000302 0001", 0, 13, "50000302 0001"},
    {"50000302 0001", 0, 99, "50000302 0001"},
    {"", 0, 3, ""},
    {"Café|x", 0, 4, "Café"},
    {"€€€", 0, 2, "€€"},
    {"😀a", 0, 1, "😀"},
    {"\xFF\xFEz", 0, 2, "\xFF\xFE"},
    {"\xE2\x82z", 0, 1, "\xE2"},
    {"\xC0\x80z", 0, 1, "\xC0"},      // overlong form of NUL
    {"\xED\xA0\x80z", 0, 1, "\xED"},  // surrogate
};

constexpr SliceCase kMidCases[] = {
    {"50000302 0001", 4, 7, "00302 0"},
    {"50000302 0001", 10, 13, "0001"},
    {"50000302 0001", 13, 5, "1"},
    {"50000302 0001", 14, 5, ""},
    {"50000302 0001", 99, 5, ""},
    {"50000302 0001", 1, 0, ""},
    {"", 1, 4, ""},
    {"ÄÖÜabc", 3, 2, "Üa"},
    {"€\xFF€x", 2, 2, "\xFF€"},
    {"a\xF0\x9F\x98", 2, 1, "\xF0"},  // a four-byte sequence cut short
};

TEST(LeftChars, CountsCodePoints) {
    for (const SliceCase& row : kLeftCases) {
        SCOPED_TRACE(::testing::Message()
                     << "LeftChars(\"" << row.text << "\", " << row.count << ")");
        EXPECT_EQ(LeftChars(row.text, row.count), row.expected);
    }
}

TEST(MidChars, CountsCodePoints) {
    for (const SliceCase& row : kMidCases) {
        SCOPED_TRACE(::testing::Message() << "MidChars(\"" << row.text << "\", " << row.start
                                          << ", " << row.count << ")");
        EXPECT_EQ(MidChars(row.text, row.start, row.count), row.expected);
    }
}

TEST(Slicing, CutsBeforeTheFirstCharacterFailWithBadPosition) {
    using testing::ExpectFailure;
    ExpectFailure(FailureKind::BadPosition, 0, [] { LeftChars("abc", -1); });
    ExpectFailure(FailureKind::BadPosition, 0, [] { MidChars("abc", 0, 3); });
    ExpectFailure(FailureKind::BadPosition, 0, [] { MidChars("", 0, 0); });
    ExpectFailure(FailureKind::BadPosition, 0, [] { MidChars("abc", 1, -1); });
}

}  // namespace
}  // namespace quernel
