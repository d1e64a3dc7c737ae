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

OutputText::OutputText(std::size_t expectedBytes) {
    text_.reserve(std::min(expectedBytes, kMaxOutputBytes));
}

void OutputText::Grow(std::size_t length) {
    if (length > kMaxOutputBytes - text_.size()) {
        ThrowTooLarge(0);
    }
    // Large steps: an expansion's output grows fast, and every step moves what is there.
    constexpr std::size_t kGrowthFactor = 8;
    text_.reserve(
        std::clamp(kGrowthFactor * text_.capacity(), text_.size() + length, kMaxOutputBytes));
}

void OutputText::ThrowTooLarge(int line) {
    throw UnpatchFailure(FailureKind::OutOfRange, line,
                         "the output would grow past 64 MiB; convert the list in smaller parts");
}

void OutputText::AppendLines(std::string_view lines, int firstLine) {
    const std::size_t room = kMaxOutputBytes - text_.size();
    if (lines.size() + 2 > room) {
        // The lines whose CR LF still fits are in; the next one passes the limit.
        ThrowTooLarge(firstLine + CountLineBreaks(lines.substr(0, room)));
    }
    AppendLine(lines);
}

}  // namespace quernel
