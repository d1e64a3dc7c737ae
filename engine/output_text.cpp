#include "engine/output_text.h"

#include <algorithm>

namespace quernel {
namespace {

// Capacity grows in large steps, since every step moves the output; room within it in small
// ones, since new room is filled with zeros, and memory that is written counts.
constexpr std::size_t kGrowthFactor = 8;
constexpr std::size_t kRoomStep = 64 * 1024;

LineNumber CountLineBreaks(std::string_view text) {
    LineNumber count = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string_view::npos;
         at = text.find("\r\n", at + 2)) {
        ++count;
    }
    return count;
}

}  // namespace

OutputText::OutputText(std::size_t expected_bytes) {
    room_.reserve(std::min(expected_bytes, kMaxOutputBytes));
}

void OutputText::MakeRoom(std::size_t length) {
    if (length > kMaxOutputBytes - size_) {
        ThrowTooLarge(0);
    }
    const std::size_t needed = size_ + length;
    if (needed > room_.capacity()) {
        const std::size_t grown = room_.capacity() > kMaxOutputBytes / kGrowthFactor
                                      ? kMaxOutputBytes
                                      : kGrowthFactor * room_.capacity();
        room_.reserve(std::max(needed, grown));
    }
    // The string may have given more capacity than was asked for; the room stops at the bound.
    const std::size_t step_end = std::min({size_ + kRoomStep, room_.capacity(), kMaxOutputBytes});
    room_.resize(std::max(needed, step_end));
}

void OutputText::ThrowTooLarge(LineNumber line) {
    throw UnpatchFailure(FailureKind::OutOfRange, line,
                         "the output would grow past 64 MiB; convert the list in smaller parts");
}

void OutputText::AppendLines(std::string_view lines, LineNumber first_line) {
    const std::size_t bound_left = kMaxOutputBytes - size_;
    if (bound_left < 2 || lines.size() > bound_left - 2) {
        // The lines whose CR LF still fits are in; the next one passes the bound.
        ThrowTooLarge(first_line + CountLineBreaks(lines.substr(0, bound_left)));
    }
    const std::size_t length = lines.size() + 2;
    if (length <= kRoomStep || length <= room_.size() - size_) {
        char* out = Extend(length);
        std::memcpy(out, lines.data(), lines.size());
        std::memcpy(out + lines.size(), "\r\n", 2);
        return;
    }
    // A long run goes in with one copy and no zeros ahead of it; the room left is given up, and
    // made anew in steps by the lines that follow.
    room_.resize(size_);
    room_.append(lines);
    room_.append("\r\n", 2);
    size_ += length;
}

}  // namespace quernel
