#pragma once

// What differs between the systems quernel-unpatch runs on, kept to these few calls: one
// implementation for POSIX systems, one for Windows.

#include <string>
#include <vector>

namespace quernel::cli {

// The program's arguments after its name, as UTF-8.
std::vector<std::string> ProgramArguments(int argc, char** argv);

// Makes standard input, output and error carry bytes unchanged, with no line break or
// end-of-file translation on the way.
void UseBinaryStandardStreams();

// Opens the file named by path (UTF-8) for reading. Returns a descriptor, or -1 with errno set.
int OpenForReading(const std::string& path);

}  // namespace quernel::cli
