#include "cli/file_conversion.h"

#include <utility>

#include "cli/line_breaks.h"

namespace quernel::cli {

namespace {

// Joined with CR LF, a file of one empty line gives the empty text, which the conversion reads as
// no lines at all. Two empty lines never reach into each other, so the conversion of one is the
// first half of the conversion of two.
std::string ConvertOneEmptyLine(UnpatchMode mode) {
    std::string converted = Unpatch(mode, "\r\n");
    converted.resize(converted.size() / 2);
    return converted;
}

bool IsOneEmptyLine(std::string_view file_text) {
    return file_text == "\n" || file_text == "\r\n";
}

}  // namespace

std::string ConvertInput(UnpatchMode mode, std::string input, InputReading reading) {
    if (reading == InputReading::Raw) {
        return Unpatch(mode, input);
    }
    const LineBreak line_break = FirstLineBreak(input);
    std::string converted;
    if (IsOneEmptyLine(input)) {
        converted = ConvertOneEmptyLine(mode);
    } else {
        // At most two copies of the list are held at any time: the file goes once it is joined,
        // the joined text once it is converted.
        const std::string joined = JoinLinesWithCrLf(std::exchange(input, {}));
        converted = Unpatch(mode, joined);
    }
    EndLinesWith(converted, line_break);
    return converted;
}

}  // namespace quernel::cli
