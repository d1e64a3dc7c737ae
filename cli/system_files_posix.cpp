#include <fcntl.h>

#include "cli/system_files.h"

namespace quernel::cli {

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    // argc is 0 when the program is started with no name at all.
    return argc > 0 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>();
}

void UseBinaryStandardStreams() {}

int OpenForReading(const std::string& path) {
    return open(path.c_str(), O_RDONLY | O_CLOEXEC);
}

}  // namespace quernel::cli
