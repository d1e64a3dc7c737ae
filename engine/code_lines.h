#pragma once

#include <cstddef>
#include <iterator>
#include <string_view>

namespace quernel {

// The lines of a code list text, cut at every CR LF pair; the pair belongs to no line. A lone CR
// or LF is an ordinary character. An empty text has no lines; a text that ends with CR LF has an
// empty last line. The lines are found as they are visited, so a huge list costs no extra memory.
class CodeLines {
public:
    class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = const std::string_view*;
        using reference = std::string_view;

        Iterator() = default;
        std::string_view operator*() const { return text_.substr(start_, end_ - start_); }
        Iterator& operator++();
        Iterator operator++(int);
        bool operator==(const Iterator& other) const { return start_ == other.start_; }

    private:
        friend class CodeLines;
        Iterator(std::string_view text, std::size_t start);

        std::string_view text_;
        std::size_t start_ = std::string_view::npos;  // npos marks the end
        std::size_t end_ = std::string_view::npos;
    };

    explicit CodeLines(std::string_view text) : text_(text) {}

    Iterator begin() const;
    Iterator end() const { return Iterator(); }

private:
    std::string_view text_;
};

CodeLines SplitCodeLines(std::string_view text);

}  // namespace quernel
