#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace quernel {

// A run's output stops here: a short list can ask for gigabytes (thousands of entries of 4095
// lines each), which would exhaust memory and take the user's input down with the program.
inline constexpr std::size_t kMaxOutputBytes = std::size_t{64} * 1024 * 1024;

// The text a run builds, one whole line at a time, each ending with CR LF.
class OutputText {
public:
    void Reserve(std::size_t bytes) {
        text_.reserve(bytes < kMaxOutputBytes ? bytes : kMaxOutputBytes);
    }

    // Appends the pieces and CR LF as one line. Throws OutOfRange when the output would grow past
    // kMaxOutputBytes.
    void AppendLine(std::initializer_list<std::string_view> pieces);

    std::string Take() && { return std::move(text_); }

private:
    std::string text_;
};

}  // namespace quernel
