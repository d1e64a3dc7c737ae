#pragma once

#include <cstdint>
#include <string_view>

#include "engine/unpatch_failure.h"

namespace quernel {

// Names a field for failure reports, e.g. the "value field" of the "target code" on line 2.
// owner_line 0 leaves the line out (the failure's own line says it).
struct FieldSite {
    std::string_view field = "field";
    std::string_view owner;
    LineNumber owner_line = 0;
};

// Reads a field of hexadecimal digits, blanks before and after them ignored, as an unsigned
// number of up to 32 bits. Numbers from 80000000 to FFFFFFFF are held as the signed 32-bit number
// with the same bits, so FormatHex writes them back as typed.
// Throws NotANumber (no digit, or any other character) and OutOfRange (above FFFFFFFF).
std::int32_t ReadHexField(std::string_view field, const FieldSite& site = {});

// Narrows a value step to 16 bits: 0 to 7FFF as itself, 8000 to FFFF as its two's complement
// (FFFF steps down by one). Throws OutOfRange for anything else.
std::int16_t NarrowValueStep(std::int32_t step, std::string_view field, const FieldSite& site = {});

}  // namespace quernel
