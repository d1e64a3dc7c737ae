#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quernel::testing {

struct ProgramResult {
    int exit_status = -1;
    std::string standard_output;
    std::string standard_error;
    // The most memory the program held resident at any time, its own children included. It
    // starts as a copy of the test process, so this is never below what the test held then.
    std::uint64_t peak_resident_bytes = 0;
};

struct RunOptions {
    // With a path, standard output goes to that file instead and is not collected.
    std::optional<std::string> output_path = std::nullopt;
    // Hands the program non-blocking pipes, as some process managers do, and makes it meet them
    // empty and full: its input is held back for a moment at the start, and its output is left
    // unread for a moment after the input has ended.
    bool non_blocking_pipes = false;
};

// Runs the program with the arguments, feeds it standard_input and collects what it writes.
ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& standard_input, const RunOptions& options = {});

}  // namespace quernel::testing
