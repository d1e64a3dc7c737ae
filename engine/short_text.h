#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace quernel {

// A text of at most eight characters held by value: the hexadecimal texts written on every
// output line are built here without touching the heap.
class ShortText {
public:
    static constexpr std::size_t kCapacity = 8;

    ShortText() = default;
    // Takes at most kCapacity characters of text.
    explicit ShortText(std::string_view text);

    std::string_view view() const { return {chars_.data(), size_}; }
    std::size_t size() const { return size_; }

private:
    std::array<char, kCapacity> chars_{};
    std::size_t size_ = 0;
};

inline ShortText::ShortText(std::string_view text)
    : size_(text.size() < kCapacity ? text.size() : kCapacity) {
    text.copy(chars_.data(), size_);
}

}  // namespace quernel
