#include "engine/hex_fields.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

#include "engine/hex_text.h"
#include "tests/engine/expect_failure.h"

namespace quernel {
namespace {

using testing::ExpectFailure;

struct ReadCase {
    std::string_view field;
    std::int32_t expected;
};

constexpr ReadCase kReadable[] = {
    {"0", 0},
    {"00ff", 0xFF},
    {"00FF", 0xFF},
    {"010000 ", 0x10000},
    {"  12  ", 0x12},
    {"0000000000000001", 1},  // any number of leading zeros
    {"7FFF", 0x7FFF},
    {"8000", 0x8000},  // 16-bit top bit: read as itself
    {"FFFF", 0xFFFF},
    {"008000", 0x8000},
    {"7FFFFFFF", 0x7FFFFFFF},
    {"80000000", INT32_MIN},  // 32-bit top bit: the same bits
    {"FFFFFFFF", -1},
    {"000FFFFFFFF", -1},
};

TEST(ReadHexField, ReadsDigitsBetweenBlanks) {
    for (const ReadCase& row : kReadable) {
        SCOPED_TRACE(::testing::Message() << "field \"" << row.field << "\"");
        EXPECT_EQ(ReadHexField(row.field), row.expected);
    }
}

struct UnreadableCase {
    std::string_view field;
    FailureKind kind;
};

constexpr UnreadableCase kUnreadable[] = {
    {"", FailureKind::NotANumber},
    {" ", FailureKind::NotANumber},
    {"12G4", FailureKind::NotANumber},
    {"1 2", FailureKind::NotANumber},
    {"12\t", FailureKind::NotANumber},
    {"-1", FailureKind::NotANumber},
    {"+1", FailureKind::NotANumber},
    {"0x12", FailureKind::NotANumber},
    {"１２", FailureKind::NotANumber},  // full-width digits
    {"100000000", FailureKind::OutOfRange},
    {"FFFFFFFFFFFFFFFFFFFF", FailureKind::OutOfRange},
    {"FFFFFFFFFFFFFFFFFFFG", FailureKind::NotANumber},  // no number at all, however long
};

TEST(ReadHexField, RejectsWhatIsNotA32BitHexNumber) {
    for (const UnreadableCase& row : kUnreadable) {
        SCOPED_TRACE(::testing::Message() << "field \"" << row.field << "\"");
        ExpectFailure(row.kind, 0, [&] { ReadHexField(row.field); });
    }
}

TEST(ReadHexField, FailureNamesTheFieldAndShortensALongOne) {
    const std::string message = ExpectFailure(FailureKind::NotANumber, 0, [] {
        ReadHexField(std::string(100, 'x') + "yz", {"value field", "target code", 7});
    });
    EXPECT_EQ(message, "NotANumber: the value field \"" + std::string(40, 'x') +
                           "...\" of the target code on line 7 is not a hexadecimal number");
}

TEST(NarrowValueStep, TakesFourDigitsAsSigned16Bits) {
    const struct {
        std::int32_t step;
        std::int16_t expected;
    } rows[] = {{0, 0}, {1, 1}, {0x7FFF, 0x7FFF}, {0x8000, -0x8000}, {0xFFFF, -1}};
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << "step " << row.step);
        EXPECT_EQ(NarrowValueStep(row.step, "field"), row.expected);
    }
    for (const std::int32_t step : {0x10000, 0x7FFFFFFF, -1, INT32_MIN}) {
        SCOPED_TRACE(::testing::Message() << "step " << step);
        ExpectFailure(FailureKind::OutOfRange, 0, [&] { NarrowValueStep(step, "field"); });
    }
}

TEST(FormatHex, WritesUpperCaseWithoutLeadingZeros) {
    const struct {
        std::int32_t number;
        std::string_view expected;
    } rows[] = {{0, "0"},
                {255, "FF"},
                {0x10000, "10000"},
                {0x7FFFFFFF, "7FFFFFFF"},
                {-1, "FFFFFFFF"},
                {INT32_MIN, "80000000"},
                {-0x7FFF, "FFFF8001"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << "number " << row.number);
        EXPECT_EQ(FormatHex(row.number).view(), row.expected);
    }
}

TEST(PadAddress, PutsZerosInFrontUpToTheWidth) {
    const struct {
        std::string_view text;
        int width;
        std::string_view expected;
    } rows[] = {{"FF", 8, "000000FF"},
                {"0", 6, "000000"},
                {"ABCDEF", 6, "ABCDEF"},
                {"12345678", 8, "12345678"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << "PadAddress(" << row.text << ", " << row.width << ")");
        EXPECT_EQ(PadAddress(ShortText(row.text), row.width).view(), row.expected);
    }
    ExpectFailure(FailureKind::BadPosition, 0, [] { PadAddress(ShortText("1000000"), 6); });
    ExpectFailure(FailureKind::BadPosition, 0, [] { PadAddress(ShortText("FFFFFFFF"), 6); });
}

TEST(PadValue, MakesShortValuesFourDigits) {
    const struct {
        std::string_view text;
        std::string_view expected;
    } rows[] = {{"5", "0005"},    {"1F", "001F"},     {"ABC", "0ABC"},
                {"ABCD", "ABCD"}, {"1ABCD", "1ABCD"}, {"FFFF8001", "FFFF8001"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << "PadValue(" << row.text << ")");
        EXPECT_EQ(PadValue(ShortText(row.text)).view(), row.expected);
    }
}

}  // namespace
}  // namespace quernel
