#include "engine/quoted_field.h"

#include "engine/char_slicing.h"

namespace quernel {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

void AppendHexByte(std::string& out, unsigned char byte) {
    out += kHexDigits[byte >> 4];
    out += kHexDigits[byte & 0xF];
}

// Appends the one-byte character c, escaped when it is not printable ASCII.
void AppendByte(std::string& out, unsigned char c) {
    switch (c) {
        case '\t':
            out += "\\t";
            return;
        case '\r':
            out += "\\r";
            return;
        case '\n':
            out += "\\n";
            return;
        case '"':
            out += "\\\"";
            return;
        case '\\':
            out += "\\\\";
            return;
        default:
            break;
    }
    if (c < 0x20 || c >= 0x7F) {
        out += "\\x";
        AppendHexByte(out, c);
    } else {
        out += static_cast<char>(c);
    }
}

// U+0080 to U+009F, encoded C2 80 to C2 9F: control characters that terminals act on.
bool IsC1Control(std::string_view character) {
    return character.size() == 2 && static_cast<unsigned char>(character[0]) == 0xC2 &&
           static_cast<unsigned char>(character[1]) <= 0x9F;
}

}  // namespace

std::string QuoteField(std::string_view field, std::size_t max_chars) {
    std::string quoted = "\"";
    std::size_t at = 0;
    for (std::size_t chars = 0; chars < max_chars && at < field.size(); ++chars) {
        const std::string_view character = field.substr(at, CharLengthAt(field, at));
        if (character.size() == 1) {
            AppendByte(quoted, static_cast<unsigned char>(character[0]));
        } else if (IsC1Control(character)) {
            quoted += "\\u00";
            AppendHexByte(quoted, static_cast<unsigned char>(character[1]));
        } else {
            quoted += character;
        }
        at += character.size();
    }
    if (at < field.size()) {
        quoted += "...";
    }
    quoted += '"';
    return quoted;
}

}  // namespace quernel
