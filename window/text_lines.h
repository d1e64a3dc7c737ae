#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quernel {

// A text held as one UTF-8 string with an index of where each line starts. Lines break where a
// text box breaks them: at CR LF, and at a lone CR or LF. A text that ends with a line break has
// an empty last line, and an empty text has one empty line.
class TextLines {
public:
    TextLines() : starts_{0} {}
    explicit TextLines(std::string text);

    const std::string& Text() const { return text_; }
    std::string Take();

    int Count() const { return static_cast<int>(starts_.size()); }
    std::size_t Start(int line) const { return starts_[static_cast<std::size_t>(line)]; }
    // Where the line's characters end, before its line break.
    std::size_t End(int line) const;
    std::string_view Line(int line) const;
    // The line that holds a byte offset; an offset inside a line break belongs to its line.
    int LineOf(std::size_t offset) const;
    // The line with the most bytes; its width bounds the others' closely enough to start with.
    int LongestLine() const { return longest_; }
    bool IsAscii() const { return ascii_; }

    // Offsets counted in UTF-16 units (a QString's positions over the whole text, line breaks as
    // they are stored), and back; the index they need is made on first use.
    std::size_t Utf16Offset(std::size_t offset) const;
    std::size_t ByteOffset(std::size_t utf16_offset) const;

    // A character's neighbours: the offset of the next or previous character, stepping over a
    // whole UTF-8 sequence, and over a line break as one step.
    std::size_t NextCharacter(std::size_t offset) const;
    std::size_t PreviousCharacter(std::size_t offset) const;

private:
    void IndexUtf16() const;

    std::string text_;
    // 32 bits are enough: a text past 4 GiB is refused.
    std::vector<std::uint32_t> starts_;
    mutable std::vector<std::uint32_t> utf16_starts_;  // only for a text that is not ASCII
    int longest_ = 0;
    bool ascii_ = true;
};

// UTF-16 units (QString positions) of the first `bytes` bytes of a UTF-8 line, and back. A byte
// that starts no valid sequence counts as one unit, as its replacement character does.
int Utf16Column(std::string_view line, std::size_t bytes);
std::size_t ByteColumn(std::string_view line, int utf16_column);

}  // namespace quernel
