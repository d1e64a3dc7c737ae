#include "engine/output_text.h"

#include <algorithm>

#include "engine/unpatch_failure.h"

namespace quernel {
namespace {

int CountLineBreaks(std::string_view text) {
    int count = 0;
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
    // Capacity in large steps, since every step moves the output; room within it in small ones,
    // since room is filled with zeros, and memory that is written counts.
    constexpr std::size_t kGrowthFactor = 8;
    constexpr std::size_t kRoomStep = 64 * 1024;
    if (needed > room_.capacity()) {
        room_.reserve(std::clamp(kGrowthFactor * room_.capacity(), needed, kMaxOutputBytes));
    }
    // A library may round capacity up past what was asked; room never goes past the bound, or
    // the check above would be skipped for the lines that fill it.
    room_.resize(
        std::min({room_.capacity(), kMaxOutputBytes, std::max(needed, size_ + kRoomStep)}));
}

void OutputText::ThrowTooLarge(int line) {
    throw UnpatchFailure(FailureKind::OutOfRange, line,
                         "the output would grow past 64 MiB; convert the list in smaller parts");
}

void OutputText::AppendLines(std::string_view lines, int first_line) {
    const std::size_t room = kMaxOutputBytes - size_;
    if (lines.size() + 2 > room) {
        // The lines whose CR LF still fits are in; the next one passes the limit.
        ThrowTooLarge(first_line + CountLineBreaks(lines.substr(0, room)));
    }
    // A run of lines can be most of the output: it goes in with one copy, and no zeros ahead.
    room_.resize(size_);
    room_.append(lines);
    room_.append("\r\n", 2);
    size_ = room_.size();
}

}  // namespace quernel
