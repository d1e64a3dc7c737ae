#include "engine/code_lines.h"

#include <cstring>

namespace quernel {
namespace {

// Offset of the next CR LF pair at or after from, or the size of the text.
std::size_t FindLineBreak(std::string_view text, std::size_t from) {
    while (from < text.size()) {
        const void* cr = std::memchr(text.data() + from, '\r', text.size() - from);
        if (cr == nullptr) {
            break;
        }
        const auto at = static_cast<std::size_t>(static_cast<const char*>(cr) - text.data());
        if (at + 1 < text.size() && text[at + 1] == '\n') {
            return at;
        }
        from = at + 1;
    }
    return text.size();
}

}  // namespace

CodeLines::Iterator::Iterator(std::string_view text, std::size_t start)
    : text_(text), start_(start), end_(FindLineBreak(text, start)) {}

CodeLines::Iterator& CodeLines::Iterator::operator++() {
    if (end_ == text_.size()) {
        *this = Iterator();
    } else {
        *this = Iterator(text_, end_ + 2);
    }
    return *this;
}

CodeLines::Iterator CodeLines::Iterator::operator++(int) {
    Iterator before = *this;
    ++*this;
    return before;
}

CodeLines::Iterator CodeLines::begin() const {
    return text_.empty() ? end() : Iterator(text_, 0);
}

CodeLines SplitCodeLines(std::string_view text) {
    return CodeLines(text);
}

}  // namespace quernel
