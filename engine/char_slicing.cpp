#include "engine/char_slicing.h"

#include <string>
#include <utility>

#include "engine/unpatch_failure.h"

namespace quernel {
namespace {

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

}  // namespace

std::size_t CharLengthAt(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    unsigned char second_low = 0x80;
    unsigned char second_high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        second_low = lead == 0xE0 ? 0xA0 : 0x80;
        second_high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        second_low = lead == 0xF0 ? 0x90 : 0x80;
        second_high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 1;
    }
    if (text.size() - at < length) {
        return 1;
    }
    const auto second = static_cast<unsigned char>(text[at + 1]);
    if (second < second_low || second > second_high) {
        return 1;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (!IsContinuation(static_cast<unsigned char>(text[at + i]))) {
            return 1;
        }
    }
    return length;
}

namespace {

// The byte offset just past the first count characters of text (or its size).
std::size_t ByteOffsetOfChar(std::string_view text, std::ptrdiff_t count) {
    std::size_t offset = 0;
    for (std::ptrdiff_t i = 0; i < count && offset < text.size(); ++i) {
        offset += CharLengthAt(text, offset);
    }
    return offset;
}

[[noreturn]] void ThrowBadCut(std::string explanation) {
    throw UnpatchFailure(FailureKind::BadPosition, 0, std::move(explanation));
}

[[noreturn]] void ThrowNegativeLength(std::ptrdiff_t length) {
    ThrowBadCut("a cut of " + std::to_string(length) + " characters has a negative length");
}

}  // namespace

std::string_view LeftChars(std::string_view text, std::ptrdiff_t n) {
    if (n < 0) {
        ThrowNegativeLength(n);
    }
    // A character has at least one byte, so n >= the byte size takes everything.
    if (static_cast<std::size_t>(n) >= text.size()) {
        return text;
    }
    return text.substr(0, ByteOffsetOfChar(text, n));
}

std::string_view MidChars(std::string_view text, std::ptrdiff_t start, std::ptrdiff_t length) {
    if (start < 1) {
        ThrowBadCut("a cut that starts at character " + std::to_string(start) +
                    " lies before the first character");
    }
    if (length < 0) {
        ThrowNegativeLength(length);
    }
    return LeftChars(text.substr(ByteOffsetOfChar(text, start - 1)), length);
}

}  // namespace quernel
