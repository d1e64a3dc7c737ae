#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "cli/stream_error.h"

namespace quernel::cli {

// The largest input that is read: far above any real list, yet an endless input such as
// /dev/zero ends with a clear message instead of using up the memory.
inline constexpr std::uint64_t kInputBound = std::uint64_t{1} << 30;

// Reads the whole file at path, or the whole of standard input when path is absent. Throws
// StreamError, also for an input larger than kInputBound.
std::string ReadWholeInput(const std::optional<std::string>& path);

// Writes all of text to standard output. Throws StreamError.
void WriteWholeOutput(std::string_view text);

}  // namespace quernel::cli
