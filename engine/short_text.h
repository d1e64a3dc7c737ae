#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace quernel {

// A hexadecimal text of at most eight digits, held by value so that the texts written on every
// output line never touch the heap. The digits stand right-aligned with zeros in front of them,
// which makes putting zeros in front (PadAddress, PadValue) a matter of showing more of them.
class ShortText {
public:
    static constexpr std::size_t kCapacity = 8;

    ShortText() = default;
    // All eight digits, zeros in front, of which the last size are shown.
    ShortText(std::array<char, kCapacity> digits, std::size_t size) : chars_(digits), size_(size) {}
    // The last kCapacity characters of digits.
    explicit ShortText(std::string_view digits) {
        if (digits.size() > kCapacity) {
            digits.remove_prefix(digits.size() - kCapacity);
        }
        size_ = digits.size();
        digits.copy(chars_.data() + kCapacity - size_, size_);
    }

    std::string_view view() const { return {chars_.data() + kCapacity - size_, size_}; }
    std::size_t size() const { return size_; }

    // The same number shown with at least width digits (at most kCapacity).
    ShortText Widened(std::size_t width) const {
        ShortText widened = *this;
        widened.size_ = width > size_ ? width : size_;
        return widened;
    }

private:
    std::array<char, kCapacity> chars_{'0', '0', '0', '0', '0', '0', '0', '0'};
    std::size_t size_ = 0;
};

}  // namespace quernel
