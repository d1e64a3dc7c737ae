#include "engine/output_text.h"

#include "engine/unpatch_failure.h"

namespace quernel {

void OutputText::AppendLine(std::initializer_list<std::string_view> pieces) {
    std::size_t length = 2;
    for (const std::string_view piece : pieces) {
        length += piece.size();
    }
    if (length > kMaxOutputBytes - text_.size()) {
        throw UnpatchFailure(
            FailureKind::OutOfRange, 0,
            "the output would grow past 64 MiB; convert the list in smaller parts");
    }
    for (const std::string_view piece : pieces) {
        text_.append(piece);
    }
    text_.append("\r\n", 2);
}

}  // namespace quernel
