#pragma once

#include <cstddef>
#include <string_view>

namespace quernel {

// Fields are cut by character position, counted from 1. Text is UTF-8 and a character is a code
// point; a byte that is not part of a valid UTF-8 sequence counts as one character, so any byte
// string can be cut and every piece keeps its exact bytes.

// The number of bytes of the character that starts at byte offset at: the length of a valid
// UTF-8 sequence there (no overlong forms, no surrogates, nothing past U+10FFFF), otherwise 1.
std::size_t CharLengthAt(std::string_view text, std::size_t at);

// The first n characters of text, or all of it when it is shorter. Throws BadPosition for n < 0.
std::string_view LeftChars(std::string_view text, std::ptrdiff_t n);

// At most length characters from position start on; empty when start lies past the end.
// Throws BadPosition for start < 1 or length < 0.
std::string_view MidChars(std::string_view text, std::ptrdiff_t start, std::ptrdiff_t length);

}  // namespace quernel
