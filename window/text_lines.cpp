#include "window/text_lines.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace quernel {

namespace {

// The length of the UTF-8 sequence that starts at line[at], or 1 for a byte that starts none.
std::size_t SequenceLength(std::string_view line, std::size_t at) {
    const auto lead = static_cast<unsigned char>(line[at]);
    std::size_t length = 1;
    if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
    } else if (lead >= 0xE0) {
        length = lead <= 0xEF ? 3 : 1;
    } else if (lead >= 0xC2) {
        length = 2;
    }
    if (at + length > line.size()) {
        return 1;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(line[at + i]) & 0xC0) != 0x80) {
            return 1;
        }
    }
    return length;
}

bool IsContinuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

}  // namespace

TextLines::TextLines(std::string text) : text_(std::move(text)) {
    if (text_.size() > std::numeric_limits<std::uint32_t>::max()) {
        throw std::length_error("a text past 4 GiB cannot be shown");
    }
    starts_.reserve(static_cast<std::size_t>(std::count(text_.begin(), text_.end(), '\n')) + 1);
    const char* const begin = text_.data();
    const char* const end = begin + text_.size();
    starts_.push_back(0);
    std::size_t longest_bytes = 0;
    for (const char* line = begin; line != end;) {
        // Find the next LF fast, then look for a lone CR before it, which also ends a line.
        const auto* lf = static_cast<const char*>(std::memchr(line, '\n', end - line));
        const char* stop = lf ? lf : end;
        const auto* cr = static_cast<const char*>(std::memchr(line, '\r', stop - line));
        const char* line_end = stop;
        const char* next = lf ? lf + 1 : end;
        if (cr && cr + 1 < stop) {  // a lone CR
            line_end = cr;
            next = cr + 1;
        } else if (cr && cr + 1 == stop && lf) {  // CR LF
            line_end = cr;
        } else if (cr && !lf) {  // a CR at the very end
            line_end = cr;
            next = cr + 1;
        }
        ascii_ = ascii_ && std::all_of(line, line_end, [](char c) { return c >= 0; });
        if (static_cast<std::size_t>(line_end - line) > longest_bytes) {
            longest_bytes = static_cast<std::size_t>(line_end - line);
            longest_ = Count() - 1;
        }
        if (next == end && line_end == end) {
            break;
        }
        starts_.push_back(static_cast<std::uint32_t>(next - begin));
        line = next;
    }
}

std::string TextLines::Take() {
    std::string text = std::move(text_);
    *this = TextLines();
    return text;
}

std::size_t TextLines::End(int line) const {
    if (line + 1 >= Count()) {
        return text_.size();
    }
    const std::size_t next = Start(line + 1);
    return next >= 2 && text_[next - 1] == '\n' && text_[next - 2] == '\r' ? next - 2 : next - 1;
}

std::string_view TextLines::Line(int line) const {
    return std::string_view(text_).substr(Start(line), End(line) - Start(line));
}

int TextLines::LineOf(std::size_t offset) const {
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), offset);
    return static_cast<int>(after - starts_.begin()) - 1;
}

std::size_t TextLines::NextCharacter(std::size_t offset) const {
    const int line = LineOf(offset);
    if (offset >= End(line)) {
        return line + 1 < Count() ? Start(line + 1) : text_.size();
    }
    const std::size_t start = Start(line);
    return offset + SequenceLength(Line(line), offset - start);
}

std::size_t TextLines::PreviousCharacter(std::size_t offset) const {
    const int line = LineOf(offset);
    if (offset <= Start(line)) {
        return line > 0 ? End(line - 1) : 0;
    }
    std::size_t previous = offset - 1;
    while (previous > Start(line) && IsContinuation(text_[previous]) && offset - previous < 4) {
        --previous;
    }
    return previous + SequenceLength(Line(line), previous - Start(line)) == offset ? previous
                                                                                   : offset - 1;
}

void TextLines::IndexUtf16() const {
    if (!utf16_starts_.empty()) {
        return;
    }
    utf16_starts_.reserve(starts_.size());
    std::size_t units = 0;
    for (int line = 0; line < Count(); ++line) {
        utf16_starts_.push_back(static_cast<std::uint32_t>(units));
        if (line + 1 < Count()) {
            units += static_cast<std::size_t>(Utf16Column(
                std::string_view(text_).substr(Start(line), Start(line + 1) - Start(line)),
                Start(line + 1) - Start(line)));
        }
    }
}

std::size_t TextLines::Utf16Offset(std::size_t offset) const {
    offset = std::min(offset, text_.size());
    if (ascii_) {
        return offset;
    }
    IndexUtf16();
    const int line = LineOf(offset);
    const std::string_view from_start =
        std::string_view(text_).substr(Start(line), offset - Start(line));
    return utf16_starts_[static_cast<std::size_t>(line)] +
           static_cast<std::size_t>(Utf16Column(from_start, from_start.size()));
}

std::size_t TextLines::ByteOffset(std::size_t utf16_offset) const {
    if (ascii_) {
        return std::min(utf16_offset, text_.size());
    }
    IndexUtf16();
    const auto after = std::upper_bound(utf16_starts_.begin(), utf16_starts_.end(), utf16_offset);
    const auto line = static_cast<int>(after - utf16_starts_.begin()) - 1;
    const std::size_t next = line + 1 < Count() ? Start(line + 1) : text_.size();
    const std::string_view rest = std::string_view(text_).substr(Start(line), next - Start(line));
    return Start(line) +
           ByteColumn(rest, static_cast<int>(utf16_offset -
                                             utf16_starts_[static_cast<std::size_t>(line)]));
}

int Utf16Column(std::string_view line, std::size_t bytes) {
    int units = 0;
    for (std::size_t at = 0; at < bytes && at < line.size();) {
        const std::size_t length = SequenceLength(line, at);
        units += length == 4 ? 2 : 1;
        at += length;
    }
    return units;
}

std::size_t ByteColumn(std::string_view line, int utf16_column) {
    std::size_t at = 0;
    for (int units = 0; units < utf16_column && at < line.size();) {
        const std::size_t length = SequenceLength(line, at);
        units += length == 4 ? 2 : 1;
        at += length;
    }
    return at;
}

}  // namespace quernel
