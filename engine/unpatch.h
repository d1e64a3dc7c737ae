#pragma once

#include <string>
#include <string_view>

#include "engine/unpatch_failure.h"

namespace quernel {

// The two code list formats; there is no default.
enum class UnpatchMode { TarrowFormat, PlainText };

// Expands every repeater code of a code list text (lines separated by CR LF) into the codes it
// stands for. Every output line ends with CR LF. Throws UnpatchFailure on malformed input, and
// then returns nothing.
std::string Unpatch(UnpatchMode mode, std::string_view text);

}  // namespace quernel
