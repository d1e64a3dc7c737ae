#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "engine/unpatch.h"

namespace quernel::testing {

// Where a list's output lands against the 64 MiB output bound.
enum class BoundOutcome {
    AtBound,  // exactly kMaxOutputBytes of output
    OneOver,  // as AtBound, then one repeater code of a single line
    FarOver,  // twice as many full repeater codes as fit
};

std::string_view BoundOutcomeName(BoundOutcome outcome);

// A list made to meet the output bound: about silent_bytes of lines that make no output (Plain
// Text codes beginning with "8", Tarrow Format headings without a bar), then repeater codes of
// 4095 lines each, and a filler that lands the output where the outcome asks.
struct BoundList {
    std::string input;            // lines joined by CR LF
    std::string expected_output;  // the whole output when the list converts
    LineNumber failing_line = 0;  // the repeater code whose lines pass the bound, or 0
};

// The expected output is written line by line with printf-style formatting, apart from the
// engine's own code.
BoundList MakeBoundList(UnpatchMode mode, std::size_t silent_bytes, BoundOutcome outcome);

// The byte offset where two texts first differ, for reports that cannot print 64 MiB.
std::size_t FirstDifference(std::string_view a, std::string_view b);

}  // namespace quernel::testing
