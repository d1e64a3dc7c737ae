#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace quernel::testing {

// A code list text: the lines joined by CR LF, as the input box gives it.
inline std::string InputText(std::initializer_list<std::string_view> lines) {
    std::string text;
    bool first = true;
    for (const std::string_view line : lines) {
        if (!first) {
            text += "\r\n";
        }
        text += line;
        first = false;
    }
    return text;
}

// An output text: every line followed by CR LF.
inline std::string OutputText(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (const std::string_view line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

}  // namespace quernel::testing
