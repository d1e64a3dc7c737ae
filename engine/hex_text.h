#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#include "engine/short_text.h"

namespace quernel {

// Writing numbers back as hexadecimal text. These run for every output line, so they live here
// where the compiler can fold them into the line writers.

// Upper-case hexadecimal without leading zeros; a negative number as its eight 32-bit digits.
// All eight digits are made at once in one 64-bit word, a digit a byte: every nibble is spread
// into a byte of its own, the bytes become ASCII digits together, and the word is stored whole.
inline ShortText FormatHex(std::int32_t number) {
    const auto bits = static_cast<std::uint32_t>(number);
    std::uint64_t x = bits;
    x = ((x & 0xFFFF0000u) << 16) | (x & 0xFFFFu);
    x = ((x & 0x0000FF000000FF00u) << 8) | (x & 0x000000FF000000FFu);
    x = ((x & 0x00F000F000F000F0u) << 4) | (x & 0x000F000F000F000Fu);
    // Now byte i holds nibble i. Bytes of 10 and more get 'A' - '9' - 1 = 7 on top of '0'.
    const std::uint64_t letters = ((x + 0x0606060606060606u) >> 4) & 0x0101010101010101u;
    x += 0x3030303030303030u + letters * 7;
    // The most significant digit goes first in memory.
    if constexpr (std::endian::native == std::endian::little) {
        x = __builtin_bswap64(x);
    }
    std::array<char, ShortText::kCapacity> digits;
    std::memcpy(digits.data(), &x, digits.size());
    const int significant = bits == 0 ? 1 : (35 - std::countl_zero(bits)) / 4;
    return ShortText(digits, static_cast<std::size_t>(significant));
}

[[noreturn]] void ThrowAddressTooLong(const ShortText& text, int width);

// Zeros in front of text up to width (at most 8) digits. Throws BadPosition when text is
// longer than width.
inline ShortText PadAddress(const ShortText& text, int width) {
    if (text.size() > static_cast<std::size_t>(width)) {
        ThrowAddressTooLong(text, width);
    }
    return text.Widened(static_cast<std::size_t>(width));
}

// Zeros in front of a text of one to three digits, up to four; longer texts unchanged.
inline ShortText PadValue(const ShortText& text) {
    constexpr std::size_t kValueDigits = 4;
    return text.size() == 0 ? text : text.Widened(kValueDigits);
}

}  // namespace quernel
