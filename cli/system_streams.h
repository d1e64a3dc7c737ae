#pragma once

// The operating system's side of reading and writing: one implementation per system, each behind
// these few calls. A stream that is not ready yet (a non-blocking pipe) is waited for, never
// reported as a failure.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "cli/stream_error.h"

namespace quernel::cli {

// A file opened for reading, or standard input, which is left open at the end.
class InputStream {
public:
    // Standard input when path is absent. Throws StreamError when the file cannot be opened.
    explicit InputStream(const std::optional<std::string>& path);
    InputStream(const InputStream&) = delete;
    InputStream& operator=(const InputStream&) = delete;
    ~InputStream();

    // The input as messages name it: "standard input" or the quoted path.
    const std::string& Name() const { return name_; }

    // The size of a regular file; none for a pipe, terminal or device, whose end shows only when
    // it is read.
    std::optional<std::uint64_t> RegularFileSize() const;

    // Reads at least one byte into buffer, or none at the end of the input. Throws StreamError.
    std::size_t ReadSome(std::span<char> buffer);

private:
    int descriptor_;
    bool owned_;
    std::string name_;
};

// Writes at least one byte of a non-empty text to standard output and returns how many.
// Throws StreamError.
std::size_t WriteSomeToStandardOutput(std::string_view text);

}  // namespace quernel::cli
