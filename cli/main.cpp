// quernel-unpatch: the conversion of the window program as a filter for files and scripts.

#include <cstdio>
#include <new>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "cli/command_line.h"
#include "cli/file_conversion.h"
#include "cli/one_line_message.h"
#include "cli/stream_error.h"
#include "cli/whole_stream.h"
#include "engine/unpatch.h"

namespace {

using namespace quernel;
using namespace quernel::cli;

constexpr int kSuccess = 0;
constexpr int kConversionFailed = 1;
constexpr int kCannotRun = 2;

int Report(std::string_view message, int exit_status) {
    const std::string line = "quernel-unpatch: " + OneLineMessage(message) + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
    return exit_status;
}

int Print(std::string_view text) {
    try {
        WriteWholeOutput(text);
        return kSuccess;
    } catch (const StreamError& error) {
        return Report(error.what(), kCannotRun);
    }
}

// The whole output is built before anything is written, so a failure leaves standard output
// empty.
int Convert(const ConversionRequest& request) {
    try {
        const std::string output =
            ConvertInput(request.mode, ReadWholeInput(request.input_path),
                         request.raw ? InputReading::Raw : InputReading::TextFile);
        WriteWholeOutput(output);
        return kSuccess;
    } catch (const UnpatchFailure& failure) {
        return Report(failure.what(), kConversionFailed);
    } catch (const StreamError& error) {
        return Report(error.what(), kCannotRun);
    } catch (const std::bad_alloc&) {
        return Report("not enough memory for this input", kCannotRun);
    }
}

int Run(const CommandLine& command_line) {
    return std::visit(
        [](const auto& request) {
            using Request = std::decay_t<decltype(request)>;
            if constexpr (std::is_same_v<Request, ConversionRequest>) {
                return Convert(request);
            } else if constexpr (std::is_same_v<Request, HelpRequest>) {
                return Print(HelpText());
            } else if constexpr (std::is_same_v<Request, VersionRequest>) {
                return Print("quernel-unpatch " QUERNEL_VERSION "\n");
            } else {
                return Report(request.reason + " (see quernel-unpatch --help)", kCannotRun);
            }
        },
        command_line);
}

}  // namespace

int main(int argc, char** argv) {
    // argc is 0 when the program is started with no name at all.
    const std::vector<std::string_view> arguments(argc > 0 ? argv + 1 : argv, argv + argc);
    return Run(ParseCommandLine(arguments));
}
