#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/unpatch.h"

namespace quernel::fuzz {

// A large code list made from a short description, so that fuzzing reaches outputs of tens of
// megabytes and the 64 MiB bound: stretches of lines that make no output, runs of copied lines,
// and groups of up to a thousand repeater codes of up to 4095 lines each. Alongside the list it
// keeps what the conversion must give, worked out line by line from the description: the size of
// the output, or the line whose output passes the bound.
struct ScaleList {
    UnpatchMode mode = UnpatchMode::PlainText;
    std::string input;               // lines joined by CR LF
    std::uint64_t output_bytes = 0;  // when the list converts
    std::uint64_t output_lines = 0;
    LineNumber failing_line = 0;  // the line whose output passes the bound, or 0
};

// The description, byte by byte (missing bytes read as 0):
//   mode: even for Plain Text, odd for the Tarrow Format; then items, each an operation byte op
//   followed by its arguments:
//   op % 4 == 0: silent lines: 16 times a 16-bit count, each 13 + op / 4 characters long
//   op % 4 == 1: copied lines (Tarrow: one-line entries): an 8-bit count + 1, a 16-bit length
//   op % 4 == 2: repeater codes: 4 times an 8-bit count + 4 alike, each with a 16-bit Count (of
//                which 12 bits), an 8-bit AddressStep, a 16-bit ValueStep, a 16-bit Value and,
//                from op / 4, the length of its Tarrow name or whether its Plain Text target is
//                copied after its expansion
//   op % 4 == 3: silent lines: an 8-bit count of MiB
// Input stops growing past 72 MiB, enough to start the output with the whole bound as its room.
ScaleList MakeScaleList(const std::uint8_t* data, std::size_t size);

}  // namespace quernel::fuzz
