#include "engine/hex_fields.h"

#include <string>
#include <utility>

#include "engine/quoted_field.h"
#include "engine/unpatch_failure.h"

namespace quernel {
namespace {

constexpr std::uint64_t kLargest32Bit = 0xFFFFFFFF;
constexpr std::size_t kLongestQuotedField = 40;

int DigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

// 'the value field "0005 health" of the target code on line 2', with a very long field shortened.
std::string DescribeField(std::string_view field, const FieldSite& site) {
    std::string text = "the ";
    text += site.field;
    text += ' ';
    text += QuoteField(field, kLongestQuotedField);
    if (!site.owner.empty()) {
        text += " of the ";
        text += site.owner;
        if (site.owner_line > 0) {
            text += " on line " + std::to_string(site.owner_line);
        }
    }
    return text;
}

[[noreturn]] void ThrowFieldFailure(FailureKind kind, std::string_view field, const FieldSite& site,
                                    std::string_view reason) {
    std::string explanation = DescribeField(field, site);
    explanation += ' ';
    explanation += reason;
    throw UnpatchFailure(kind, 0, std::move(explanation));
}

}  // namespace

std::int32_t ReadHexField(std::string_view field, const FieldSite& site) {
    const std::size_t first = field.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        ThrowFieldFailure(FailureKind::NotANumber, field, site,
                          field.empty() ? "is empty" : "holds no hexadecimal digit");
    }
    const std::size_t last = field.find_last_not_of(' ');
    std::uint64_t number = 0;
    bool too_large = false;
    for (std::size_t i = first; i <= last; ++i) {
        const int digit = DigitValue(field[i]);
        if (digit < 0) {
            ThrowFieldFailure(FailureKind::NotANumber, field, site, "is not a hexadecimal number");
        }
        // Keep checking the remaining characters: a stray letter makes it no number at all.
        if (!too_large) {
            number = number * 16 + static_cast<std::uint64_t>(digit);
            too_large = number > kLargest32Bit;
        }
    }
    if (too_large) {
        ThrowFieldFailure(FailureKind::OutOfRange, field, site, "is larger than FFFFFFFF");
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(number));
}

std::int16_t NarrowValueStep(std::int32_t step, std::string_view field, const FieldSite& site) {
    if (step < 0 || step > 0xFFFF) {
        ThrowFieldFailure(FailureKind::OutOfRange, field, site,
                          "does not fit a value step of four digits (0 to FFFF)");
    }
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(step));
}

}  // namespace quernel
