#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "engine/unpatch.h"

namespace quernel::cli {

// A conversion that the command line asks for.
struct ConversionRequest {
    UnpatchMode mode;
    // Hands the bytes to the engine exactly as read instead of treating the input as a text file.
    bool raw = false;
    // The file to read; absent for standard input.
    std::optional<std::string> input_path;
};

struct HelpRequest {};
struct VersionRequest {};

// A command line that cannot be run, with a one-line reason for the user.
struct UsageError {
    std::string reason;
};

using CommandLine = std::variant<ConversionRequest, HelpRequest, VersionRequest, UsageError>;

// Reads the arguments that follow the program name. --help and --version take effect where they
// stand, so an unknown option before them is still reported.
CommandLine ParseCommandLine(std::span<const std::string_view> arguments);

// The text that --help prints.
std::string_view HelpText();

}  // namespace quernel::cli
