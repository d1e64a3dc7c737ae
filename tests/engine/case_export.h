#pragma once

#include <string_view>

#include "engine/unpatch.h"

namespace quernel::testing {

// When the environment names a file in QUERNEL_EXPORT_CASES, every row that the conversion
// tables check is appended to it as one line of JSON, so that other builds of the engine (the
// web page's) can be held to the very same table. Byte strings are written in base64.
void ExportConversion(UnpatchMode mode, std::string_view name, std::string_view input,
                      std::string_view output);
void ExportFailure(UnpatchMode mode, std::string_view name, std::string_view input,
                   FailureKind kind, int line, std::string_view message);

}  // namespace quernel::testing
