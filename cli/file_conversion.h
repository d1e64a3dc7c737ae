#pragma once

#include <string>
#include <string_view>

#include "engine/unpatch.h"

namespace quernel::cli {

// How the bytes of the input reach the conversion.
enum class InputReading {
    // A text file: lines end with LF or CR LF, and the output's lines end like the input's first.
    TextFile,
    // The bytes exactly as read; the output exactly as converted.
    Raw,
};

// Converts the whole input, which it takes over so that a large file is let go of as soon as it
// has been read. Throws UnpatchFailure, like Unpatch.
std::string ConvertInput(UnpatchMode mode, std::string input, InputReading reading);

}  // namespace quernel::cli
