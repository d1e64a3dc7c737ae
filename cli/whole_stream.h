#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quernel::cli {

// A file or stream that cannot be read or written; what() is a one-line reason for the user.
class StreamError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the whole file at path, or the whole of standard input when path is absent. Throws
// StreamError.
std::string ReadWholeInput(const std::optional<std::string>& path);

// Writes all of text to standard output. Throws StreamError.
void WriteWholeOutput(std::string_view text);

}  // namespace quernel::cli
