#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

namespace quernel {

// 1-based input lines. A list can hold more lines than an int counts.
using LineNumber = std::int64_t;

enum class FailureKind { NotANumber, OutOfRange, BadPosition, NoNextLine };

// The name of a failure kind as users see it in reports, e.g. "NotANumber".
std::string_view FailureKindName(FailureKind kind) noexcept;

// The one failure of a conversion run. It abandons the run: nothing of the output is kept.
class UnpatchFailure : public std::exception {
public:
    // line is the 1-based input line whose visit failed; 0 when a helper fails outside a run.
    UnpatchFailure(FailureKind kind, LineNumber line, std::string explanation);

    FailureKind kind() const noexcept { return kind_; }
    LineNumber line() const noexcept { return line_; }
    // The explanation alone, without the line and the kind.
    const std::string& explanation() const noexcept { return explanation_; }
    // "line N: Kind: explanation".
    const char* what() const noexcept override { return message_.c_str(); }

private:
    FailureKind kind_;
    LineNumber line_;
    std::string explanation_;
    std::string message_;
};

}  // namespace quernel
