#pragma once

#include <cstdint>
#include <string_view>

#include "engine/short_text.h"

namespace quernel {

// Names a field for failure reports, e.g. the "value field" of the "target code" on line 2.
// ownerLine 0 leaves the line out (the failure's own line says it).
struct FieldSite {
    std::string_view field = "field";
    std::string_view owner;
    int ownerLine = 0;
};

// Reads a field of hexadecimal digits, blanks before and after them ignored, as an unsigned
// number of up to 32 bits. Numbers from 80000000 to FFFFFFFF are held as the signed 32-bit number
// with the same bits, so FormatHex writes them back as typed.
// Throws NotANumber (no digit, or any other character) and OutOfRange (above FFFFFFFF).
std::int32_t ReadHexField(std::string_view field, const FieldSite& site = {});

// Narrows a value step to 16 bits: 0 to 7FFF as itself, 8000 to FFFF as its two's complement
// (FFFF steps down by one). Throws OutOfRange for anything else.
std::int16_t NarrowValueStep(std::int32_t step, std::string_view field, const FieldSite& site = {});

// Upper-case hexadecimal without leading zeros; a negative number as its eight 32-bit digits.
ShortText FormatHex(std::int32_t number);

// Zeros in front of text up to width (at most 8) digits. Throws BadPosition when text is
// longer than width.
ShortText PadAddress(const ShortText& text, int width);

// Zeros in front of a text of one to three digits, up to four; longer texts unchanged.
ShortText PadValue(const ShortText& text);

}  // namespace quernel
