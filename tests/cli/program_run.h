#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quernel::testing {

struct ProgramResult {
    int exit_status = -1;
    std::string standard_output;
    std::string standard_error;
};

// Runs the program with the arguments, feeds it standard_input and collects what it writes.
// With output_path set, standard output goes to that file instead and is not collected.
ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& standard_input,
                         const std::optional<std::string>& output_path = std::nullopt);

}  // namespace quernel::testing
