#include "cli/file_conversion.h"

#include <string_view>

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

// Editors that write CR LF often put a UTF-8 byte order mark in front of the first line; it is
// no part of the list, and left in it would hide a repeater code or join an entry's name.
std::string_view WithoutByteOrderMark(std::string_view file_text) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (file_text.starts_with(kByteOrderMark)) {
        file_text.remove_prefix(kByteOrderMark.size());
    }
    return file_text;
}

}  // namespace

std::string ConvertInput(UnpatchMode mode, std::string input, InputReading reading) {
    if (reading == InputReading::Raw) {
        return Unpatch(mode, input);
    }
    const std::string_view file_text = WithoutByteOrderMark(input);
    const LineBreak line_break = FirstLineBreak(file_text);
    std::string converted;
    if (IsOneEmptyLine(file_text)) {
        converted = ConvertOneEmptyLine(mode);
    } else {
        // At most two copies of the list are held at any time: the file goes once it is joined,
        // the joined text once it is converted.
        const std::string joined = JoinLinesWithCrLf(file_text);
        std::string().swap(input);
        converted = Unpatch(mode, joined);
    }
    EndLinesWith(converted, line_break);
    return converted;
}

}  // namespace quernel::cli
