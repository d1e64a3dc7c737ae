#pragma once

#include <cstddef>
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
    // Starts with room for about expectedBytes of output.
    explicit OutputText(std::size_t expectedBytes);

    // Appends the pieces (anything a string_view can be made of) and CR LF as one line. Throws
    // OutOfRange when the output would grow past kMaxOutputBytes.
    template <typename... Pieces>
    void AppendLine(const Pieces&... pieces) {
        const std::size_t length = (std::string_view(pieces).size() + ... + 2);
        if (length > text_.capacity() - text_.size()) {
            Grow(length);
        }
        (text_.append(std::string_view(pieces)), ...);
        text_.append("\r\n", 2);
    }

    // Appends lines that stand joined by CR LF, as they do in the input, and a closing CR LF: a
    // run of copied lines in one step. When they would pass kMaxOutputBytes, the failure names
    // the line that passes it, counting from firstLine.
    void AppendLines(std::string_view lines, int firstLine);

    std::string Take() && { return std::move(text_); }

private:
    // Makes room for length more bytes, or throws OutOfRange past kMaxOutputBytes.
    void Grow(std::size_t length);
    [[noreturn]] static void ThrowTooLarge(int line);

    std::string text_;
};

}  // namespace quernel
