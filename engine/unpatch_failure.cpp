#include "engine/unpatch_failure.h"

#include <utility>

namespace quernel {

std::string_view FailureKindName(FailureKind kind) noexcept {
    switch (kind) {
        case FailureKind::NotANumber:
            return "NotANumber";
        case FailureKind::OutOfRange:
            return "OutOfRange";
        case FailureKind::BadPosition:
            return "BadPosition";
        case FailureKind::NoNextLine:
            return "NoNextLine";
    }
    return "UnknownFailure";
}

namespace {

std::string ComposeMessage(FailureKind kind, LineNumber line, const std::string& explanation) {
    std::string message;
    if (line > 0) {
        message = "line " + std::to_string(line) + ": ";
    }
    message += FailureKindName(kind);
    message += ": ";
    message += explanation;
    return message;
}

}  // namespace

UnpatchFailure::UnpatchFailure(FailureKind kind, LineNumber line, std::string explanation)
    : kind_(kind),
      line_(line),
      explanation_(std::move(explanation)),
      message_(ComposeMessage(kind_, line_, explanation_)) {}

}  // namespace quernel
