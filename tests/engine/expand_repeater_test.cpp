#include "engine/expand_repeater.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/engine/expect_failure.h"

namespace quernel {
namespace {

using testing::ExpectFailure;

struct WrittenLine {
    int index;
    std::string address;
    std::string value;
    bool operator==(const WrittenLine&) const = default;
};

void PrintTo(const WrittenLine& line, std::ostream* out) {
    *out << line.index << " " << line.address << " " << line.value;
}

std::vector<WrittenLine> Expand(RepeaterFields repeater, TargetFields target, int width) {
    std::vector<WrittenLine> written;
    ExpandRepeater(repeater, target, width,
                   [&](int index, std::string_view address, std::string_view value) {
                       written.push_back({index, std::string(address), std::string(value)});
                   });
    return written;
}

struct ExpansionCase {
    const char* name;
    RepeaterFields repeater;
    TargetFields target;
    int width;
    std::vector<WrittenLine> expected;
};

TEST(ExpandRepeater, WritesOneLinePerRepetition) {
    const ExpansionCase rows[] = {
        {"plain text example",
         {3, 2, 1},
         {0x10000, 5, "0005"},
         6,
         {{1, "010000", "0005"}, {2, "010002", "0006"}, {3, "010004", "0007"}}},
        {"carry into the type digits, value grows to five digits",
         {4, 4, 0x7000},
         {0x20FFFFF8, 3, "0003"},
         8,
         {{1, "20FFFFF8", "0003"},
          {2, "20FFFFFC", "7003"},
          {3, "21000000", "E003"},
          {4, "21000004", "15003"}}},
        {"lower case: address upper, first value as typed",
         {3, 1, 1},
         {0xA0, 0xFF, "00ff"},
         6,
         {{1, "0000A0", "00ff"}, {2, "0000A1", "0100"}, {3, "0000A2", "0101"}}},
        {"single-digit value",
         {3, 2, 1},
         {0x10000, 5, "5"},
         6,
         {{1, "010000", "5"}, {2, "010002", "0006"}, {3, "010004", "0007"}}},
        {"count 0 writes one line", {0, 2, 1}, {0x10000, 5, "5"}, 6, {{1, "010000", "5"}}},
        {"count 1 writes one line", {1, 2, 1}, {0x10000, 5, "5"}, 6, {{1, "010000", "5"}}},
        {"value step 0 writes the value back from line 2",
         {3, 0, 0},
         {0x10, 0xFF, "00ff"},
         6,
         {{1, "000010", "00ff"}, {2, "000010", "00FF"}, {3, "000010", "00FF"}}},
        {"value step FFFF steps down",
         {3, 0, -1},
         {0, 2, "0002"},
         8,
         {{1, "00000000", "0002"}, {2, "00000000", "0001"}, {3, "00000000", "0000"}}},
        {"a value below zero is written with eight digits",
         {2, 0, -1},
         {0, 0, "0000"},
         8,
         {{1, "00000000", "0000"}, {2, "00000000", "FFFFFFFF"}}},
        {"an address with the top bit set keeps its digits",
         {2, 4, 0},
         {static_cast<std::int32_t>(0x94000000), 0, "0"},
         8,
         {{1, "94000000", "0"}, {2, "94000004", "0000"}}},
        {"sums wrap around 32 bits",
         {2, 4, 1},
         {-2, 0x7FFFFFFF, "7FFFFFFF"},
         8,
         {{1, "FFFFFFFE", "7FFFFFFF"}, {2, "00000002", "80000000"}}},
        {"the address after the last line may outgrow the width",
         {2, 2, 0},
         {0xFFFFFC, 0, "0000"},
         6,
         {{1, "FFFFFC", "0000"}, {2, "FFFFFE", "0000"}}},
    };
    for (const ExpansionCase& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Expand(row.repeater, row.target, row.width), row.expected);
    }
}

TEST(ExpandRepeater, CountFFFGivesLinesIndexedTo4095) {
    const std::vector<WrittenLine> written = Expand({0xFFF, 4, 1}, {0x20100000, 0x10, "0010"}, 8);
    ASSERT_EQ(written.size(), 4095u);
    EXPECT_EQ(written.back(), (WrittenLine{4095, "20103FF8", "100E"}));
}

TEST(ExpandRepeater, AnAddressLongerThanTheWidthFailsWhenItIsWritten) {
    std::vector<WrittenLine> written;
    ExpectFailure(FailureKind::BadPosition, 0, [&] {
        ExpandRepeater(RepeaterFields{3, 2, 0}, TargetFields{0xFFFFFC, 0, "0000"}, 6,
                       [&](int index, std::string_view address, std::string_view value) {
                           written.push_back({index, std::string(address), std::string(value)});
                       });
    });
    EXPECT_EQ(written.size(), 2u);
}

TEST(ExpandRepeater, IndexPast32767FailsWithOutOfRange) {
    int lines = 0;
    ExpectFailure(FailureKind::OutOfRange, 0, [&] {
        ExpandRepeater(RepeaterFields{40000, 0, 0}, TargetFields{0, 0, "0"}, 8,
                       [&](int, std::string_view, std::string_view) { ++lines; });
    });
    EXPECT_EQ(lines, 32767);
}

}  // namespace
}  // namespace quernel
