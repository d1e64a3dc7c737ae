#include "cli/one_line_message.h"

namespace quernel::cli {

namespace {

void AppendEscaped(std::string& message, unsigned char c) {
    switch (c) {
        case '\r':
            message += "\\r";
            return;
        case '\n':
            message += "\\n";
            return;
        case '\t':
            message += "\\t";
            return;
        default:
            constexpr std::string_view kHexDigits = "0123456789ABCDEF";
            message += "\\x";
            message += kHexDigits[c >> 4];
            message += kHexDigits[c & 0xF];
    }
}

}  // namespace

std::string OneLineMessage(std::string_view message) {
    std::string one_line;
    one_line.reserve(message.size());
    for (const char c : message) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            AppendEscaped(one_line, byte);
        } else {
            one_line += c;
        }
    }
    return one_line;
}

}  // namespace quernel::cli
