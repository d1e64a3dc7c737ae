#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

#include "engine/unpatch_failure.h"

namespace quernel {

// A run's output stops here: a short list can ask for gigabytes (thousands of entries of 4095
// lines each), which would exhaust memory and take the user's input down with the program.
inline constexpr std::size_t kMaxOutputBytes = std::size_t{64} * 1024 * 1024;

// The text a run builds, one whole line at a time, each ending with CR LF. This runs for every
// line of the output, so lines are copied straight into room made ahead of them, and the room is
// made in steps of many lines.
//
// Invariant: size_ <= room_.size() <= kMaxOutputBytes. The first size_ bytes of room_ are the
// output, the rest is room that may be written. Room is never made past the bound, whatever
// capacity the string's allocations happen to give, so every subtraction below is of a smaller
// size from a larger one, and a line that would pass the bound fails before a byte of it is
// written.
class OutputText {
public:
    // Starts with capacity for about expected_bytes of output.
    explicit OutputText(std::size_t expected_bytes);

    // Appends the pieces (texts and single characters) and CR LF as one line. Throws OutOfRange
    // when the output would grow past kMaxOutputBytes.
    template <typename... Pieces>
    void AppendLine(const Pieces&... pieces) {
        const std::size_t length = (SizeOf(pieces) + ... + 2);
        char* out = Extend(length);
        ((out = Put(out, pieces)), ...);
        out[0] = '\r';
        out[1] = '\n';
    }

    // Appends lines that stand joined by CR LF, as they do in the input, and a closing CR LF: a
    // run of copied lines in one step. When they would pass kMaxOutputBytes, the failure names
    // the line that passes it, counting from first_line.
    void AppendLines(std::string_view lines, LineNumber first_line);

    std::string Take() && {
        room_.resize(size_);
        return std::move(room_);
    }

private:
    static std::size_t SizeOf(std::string_view piece) { return piece.size(); }
    static std::size_t SizeOf(char) { return 1; }
    static char* Put(char* out, char piece) {
        *out = piece;
        return out + 1;
    }
    static char* Put(char* out, std::string_view piece) {
        const std::size_t size = piece.size();
        if (size >= 4 && size <= 8) {
            // Addresses and values: two overlapping fixed-size copies, which compile to moves.
            std::memcpy(out, piece.data(), 4);
            std::memcpy(out + size - 4, piece.data() + size - 4, 4);
        } else if (size != 0) {
            std::memcpy(out, piece.data(), size);
        }
        return out + size;
    }

    // Where the next length bytes of output go.
    char* Extend(std::size_t length) {
        if (length > room_.size() - size_) {
            MakeRoom(length);
        }
        char* out = room_.data() + size_;
        size_ += length;
        return out;
    }

    // Makes room for at least length more bytes, or throws OutOfRange past kMaxOutputBytes.
    void MakeRoom(std::size_t length);
    [[noreturn]] static void ThrowTooLarge(LineNumber line);

    std::string room_;      // the output, then room for more
    std::size_t size_ = 0;  // how much of room_ is output
};

}  // namespace quernel
